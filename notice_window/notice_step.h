#pragma once

class QDate;

// The days of the month on which start-up shows the notice first: 5, 10, 15, 20, 25 and 30.
bool isNoticeDay(const QDate& date);

// The first step of the quiz window's load sequence: reads today's date once and, on a notice
// day, shows the notice window modally, returning once that window has been closed.
void noticeStep();
