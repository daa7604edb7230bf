#error "below the window the program is Qt::Core only: widgets and GUI classes belong to src/window"
