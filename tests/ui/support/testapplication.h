#pragma once

#include <QApplication>

// The one application object of a widget test program, made on first use.
QApplication &TestApplication();
