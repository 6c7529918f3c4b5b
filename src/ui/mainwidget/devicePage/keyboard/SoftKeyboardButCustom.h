#pragma once

#include <QString>
#include <QToolButton>

// A key of the on-screen keyboard (kind 0) or of the on-board page's key
// picture (kind 1): a tool button showing the key's caption, with a normal
// and a marked look built from the theme. The marked look shows while the
// mouse is over the key and stays when the key is marked.
class SoftKeyboardButCustom : public QToolButton
{
    Q_OBJECT

public:
    enum Kind { OnScreenKey = 0, OnboardKey = 1 };

    explicit SoftKeyboardButCustom(int kind, QWidget *parent = nullptr);

    void setButtonSize(int width, int height);
    void setKeyInfo(int keyCode, const QString &caption);
    void setKeyText(const QString &text);
    // 0 normal look, 1 marked look; other values change nothing.
    void setButtonStatus(int status);
    void setRestoreOnLeave(bool restore);
    // Each colour "r,g,b".
    void updateTheme(const QString &textColour, const QString &markColour, const QString &buttonColour);

    QString getCharacter() const { return m_caption; }
    int getKeyCode() const { return m_keyCode; }
    QString getKeyText() const { return m_text; }
    bool isMarked() const { return m_kind == OnboardKey ? m_markedOnboard : m_markedOnScreen; }

    // The glyphs of the icon font for the Left GUI and Application keys.
    static constexpr ushort WindowLogoGlyph = 0xF17A;
    static constexpr ushort DocumentGlyph = 0xF15C;

signals:
    void sigButtonMouseRightKeyClicked(int keyCode, QString caption);
    void sigCustomButMouseEnter();
    void sigCustomButMouseLeave();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showIconGlyph(int keyCode);
    void showGlyph(ushort glyph);
    // Every caption the key shows goes through here and is fitted to it.
    void showCaption(const QString &caption);
    void fitCaption();
    void showNormalLook();
    void showMarkedLook();
    void applyLook();

    int m_kind;
    bool m_hovered = false;
    int m_width = 0;
    int m_height = 0;
    bool m_markedOnScreen = false;
    int m_keyCode = 0;
    QString m_caption;
    QString m_text;
    bool m_restoreOnLeave = true;
    bool m_markedOnboard = false;
    QString m_markedStyleOnScreen;
    QString m_markedStyleOnboard;
    QString m_normalStyleOnScreen;
    QString m_normalStyleOnboard;
    QString m_backgroundOnScreen;
    QString m_backgroundOnboard;
    bool m_markedLookShown = false;
    QString m_shownCaption;
    ushort m_shownGlyph = 0;
    QString m_captionFontSize; // style sheet text for a shrunk caption, else empty
    QString m_fittedFamily;
};
