# The tests of the window's widgets and of the Qt implementations of the platform interfaces.
lt840_add_test(tst_widgets tst_widgets.cpp LIBS lt840widgets)
lt840_add_test(tst_qtplatform tst_qtplatform.cpp BoxAnswers.h LIBS lt840qtplatform)
target_compile_definitions(tst_qtplatform PRIVATE LT840_APP_ID="${LT840_APP_ID}")
