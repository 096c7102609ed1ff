#include "notice_window/notice_step.h"

void noticeStep() {}
