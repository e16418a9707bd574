#pragma once

#include <QString>

// The path of a program built beside the test executables: kavrion itself and the
// helpers the tests start as other processes.
QString YardımcıProgram(const QString& ad);
