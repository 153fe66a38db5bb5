#include "Window1TestCase.h"

#include "support/FileTypeGroup1.h"

#include <QCoreApplication>

void Window1TestCase::SetUp() {
    FileTypeGroup1::_Initialize();
    window = Window1::Accessor();
}

void Window1TestCase::TearDown() {
    window->Close();
    QCoreApplication::sendPostedEvents();
}
