#pragma once

#include <QString>

// The caption the key-function pages show for the key being assigned: a
// key's own name, which no language changes, or a word of the program (a
// mouse button's name, "Default", "Empty") kept as its source text so that
// it can be given again in the interface language of the moment.
class keyCaptionText
{
public:
    keyCaptionText() = default;

    static keyCaptionText plain(const QString &text);
    // context and source are translation sources that live for the program.
    static keyCaptionText translated(const char *context, const char *source);

    // The caption in the current interface language.
    QString text() const;
    bool isTranslated() const { return m_source != nullptr; }

private:
    QString m_plain;
    const char *m_context = nullptr;
    const char *m_source = nullptr;
};
