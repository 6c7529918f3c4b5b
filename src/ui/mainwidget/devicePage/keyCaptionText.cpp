#include "keyCaptionText.h"

#include <QCoreApplication>

keyCaptionText keyCaptionText::plain(const QString &text)
{
    keyCaptionText caption;
    caption.m_plain = text;
    return caption;
}

keyCaptionText keyCaptionText::translated(const char *context, const char *source)
{
    keyCaptionText caption;
    caption.m_context = context;
    caption.m_source = source;
    return caption;
}

QString keyCaptionText::text() const
{
    return m_source ? QCoreApplication::translate(m_context, m_source) : m_plain;
}
