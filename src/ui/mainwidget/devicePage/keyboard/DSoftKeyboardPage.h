#pragma once

#include <QFont>
#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

class SoftKeyboardButCustom;

namespace Ui {
class DSoftKeyboardPage;
}

// The on-screen keyboard of the key-function panel: a drawn full-size US
// keyboard whose keys report their code and caption when clicked. While a
// key combination is entered (selection mode 1 and marking enabled) clicked
// keys are marked, at most two of them modifiers. It also publishes its
// table of key names.
class DSoftKeyboardPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PageWidth = 700;
    static constexpr int PageHeight = 150;
    static constexpr int MaxMarkedModifiers = 2;

    explicit DSoftKeyboardPage(QWidget *parent = nullptr);
    ~DSoftKeyboardPage() override;

    // The icon font of the two glyph keys, 12 pt: the first family of the
    // font file registered with the application, or the application font's
    // when the file does not register.
    static QFont iconFont(const QString &fontFile = QStringLiteral(":/images/fontawesome-webfont.ttf"));

    void loadKeyboardInfo();
    void parseKeyboardInfo(const QByteArray &text);
    void setSelectEnabled(int mode);
    void setMultiSelectEnabled(bool enabled);
    void resetAllKeyStatus();
    void resetKeyStatus(int keyCode);
    void updateTheme();
    // The Korean keys' names (144, 145) in the current language.
    QMap<int, QString> getKeyNameMap() const;

    QList<SoftKeyboardButCustom *> getMarkedKeys() const { return m_markedKeys; }
    int getModifierCount() const { return m_modifierCount; }

signals:
    void sigSoftKeyboardAlreadyLoad();
    void sigSoftKeyboardClicked(int keyCode, QString caption);

public slots:
    void onKeyButtonClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    bool isMarking() const { return m_selectionMode == 1 && m_markingEnabled; }

    Ui::DSoftKeyboardPage *ui;
    QFont m_iconFont;
    int m_selectionMode = -1;
    bool m_markingEnabled = false;
    QMap<int, QString> m_keyNames;
    // In click order; a key clicked twice is listed twice.
    QList<SoftKeyboardButCustom *> m_markedKeys;
    int m_modifierCount = 0;
    QMap<int, SoftKeyboardButCustom *> m_keyButtons;
    QString m_markColour;
    QString m_textColour;
    QString m_buttonColour;
};
