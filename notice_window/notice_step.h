#pragma once

// The first step of the quiz window's load sequence: on a notice day it shows the notice window
// modally and returns once that window has been closed.
void noticeStep();
