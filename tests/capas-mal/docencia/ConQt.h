#pragma once
// A core folder that reaches for Qt.
#include <QString>
