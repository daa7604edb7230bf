#error "lt840core is Qt::Core only: widgets and GUI classes belong to src/window"
