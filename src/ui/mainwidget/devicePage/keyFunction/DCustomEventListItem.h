#pragma once

#include "themeColorInfo.h"
#include "xmlRecords.h"

#include <QMap>
#include <QString>
#include <QWidget>

namespace Ui {
class DCustomEventListItem;
}

// One row of the customised-keys list: the key's caption on the left, a short
// text of its binding's function on the right. A press anywhere on the row
// selects the key.
class DCustomEventListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomEventListItem(QWidget *parent = nullptr);
    ~DCustomEventListItem() override;

    // The target's name of a profile-switch binding; before setCustomEvent.
    void setProfileName(const QString &name);
    void setCustomEvent(customKeyInfo info, QMap<int, QString> keyNames);
    // Key names for the function text; shown on the next updateTexts.
    void setKeyNames(const QMap<int, QString> &keyNames) { m_keyNames = keyNames; }
    // The caption and function text again, in the current language and font.
    void updateTexts();

    // The rows' colours and font, set once on a widget above them.
    static QString rowStyleSheet(const themeColorInfo &theme);

    int keyCode() const { return m_keyCode; }
    QString keyCaption() const { return m_keyCaption; }
    bool isCaptionCut() const { return m_captionCut; }
    // The whole function text; the label shortens what does not fit.
    QString functionText() const { return m_functionText; }

signals:
    void sigCustomEventItemMouseClicked(int keyCode, QString keyCaption);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showFunctionText();

    Ui::DCustomEventListItem *ui;
    customKeyInfo m_info;
    QMap<int, QString> m_keyNames;
    bool m_captionCut = false;
    int m_keyCode = -1;
    QString m_keyCaption;
    QString m_profileName;
    QString m_functionText;
};
