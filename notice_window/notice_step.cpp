#include "notice_window/notice_step.h"

#include "notice_window/form2.h"
#include "platform/clock.h"

#include <QDate>

bool isNoticeDay(const QDate& date) {
    return date.day() % 5 == 0;
}

void noticeStep() {
    if (!isNoticeDay(platform::today()))
        return;
    Form2 notice;
    notice.Show(1);
}
