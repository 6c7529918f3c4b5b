#pragma once

#include <QList>
#include <QPair>

class QRadioButton;

// The radios of a page and the Value each stands for. The radios stay
// mutually exclusive, yet the group can show no choice at all.
class keyFunctionRadioGroup
{
public:
    void add(QRadioButton *radio, int value);

    // The checked radio's value; false when none is checked.
    bool checkedValue(int &value) const;
    // Checks the radio of that value; false (nothing checked) when no radio has it.
    bool check(int value);
    void uncheckAll();
    QRadioButton *radioOf(int value) const;

private:
    QList<QPair<QRadioButton *, int>> m_radios;
};
