#pragma once

// The identification answer (0x0D) and what the scan derives from it. The
// answer holds six comma-separated fields (chip family, two codes, a
// two-letter code, model name, firmware version); a second answer holds the
// firmware build date as "Mmm dd yyyy,hh:mm:ss". Texts with fewer fields are
// accepted: missing fields are empty.

#include "hidReportData.h"
#include "hidVersionInfo.h"

#include <QString>
#include <QStringList>

// The zero-terminated text in bytes 6 to 63 (Latin-1).
QString identificationAnswerText(const hidReportData &answer);

// The working text: the running identification number, "-" and the answer.
QString identificationWorkingText(int counter, const QString &answerText);

// The model name: the second-to-last comma-separated field of the working
// text; empty when it has fewer than two fields.
QString identificationModelName(const QString &workingText);

// The identification key: the working text up to its second-to-last comma with
// the commas removed, ",", the model name.
QString identificationKey(const QString &workingText);

// The text between the first "-" and the first "," of a key.
QString identificationInfoText(const QString &key);

// "Mar  7 2024,10:20:30" -> "2024/3/7 10:20:30"; month 1 when unknown; empty
// when there was no date answer.
QString firmwareDateText(const QString &dateText);

// The version text: the last field of the answer, "---", the converted date.
QString identificationVersionText(const QString &answerText, const QString &dateText);

// The six fields of the answer and the path, bounded to the record's fields.
hidVersionInfo makeVersionInfo(const QString &answerText, const QString &path);
