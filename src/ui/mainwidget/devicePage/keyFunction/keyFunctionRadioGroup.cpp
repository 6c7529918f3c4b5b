#include "keyFunctionRadioGroup.h"

#include <QRadioButton>

void keyFunctionRadioGroup::add(QRadioButton *radio, int value)
{
    m_radios.append(qMakePair(radio, value));
}

bool keyFunctionRadioGroup::checkedValue(int &value) const
{
    for (const auto &entry : m_radios) {
        if (entry.first->isChecked()) {
            value = entry.second;
            return true;
        }
    }
    return false;
}

bool keyFunctionRadioGroup::check(int value)
{
    uncheckAll();
    if (QRadioButton *radio = radioOf(value)) {
        radio->setChecked(true);
        return true;
    }
    return false;
}

void keyFunctionRadioGroup::uncheckAll()
{
    // Auto-exclusive radios refuse to uncheck the last checked one.
    for (const auto &entry : m_radios) {
        entry.first->setAutoExclusive(false);
        entry.first->setChecked(false);
    }
    for (const auto &entry : m_radios)
        entry.first->setAutoExclusive(true);
}

QRadioButton *keyFunctionRadioGroup::radioOf(int value) const
{
    for (const auto &entry : m_radios) {
        if (entry.second == value)
            return entry.first;
    }
    return nullptr;
}
