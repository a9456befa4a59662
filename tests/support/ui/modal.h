#pragma once
// Drives a modal dialog that the code under test is about to open: `act` runs
// on the dialog as soon as it is the active modal widget (or after `timeoutMs`
// with nullptr, so a test fails instead of hanging).

#include <functional>

class QWidget;

void whenModal(std::function<void(QWidget* dialog)> act, int timeoutMs = 5000);
