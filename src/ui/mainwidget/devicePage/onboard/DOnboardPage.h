#pragma once

#include "ArrowWidget.h"

#include <QFont>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DOnboardPage;
}

class SoftKeyboardButCustom;

// The keyboard picture of on-board mode: one key button per cell of the
// model's on-board layout, on which the user picks the key whose binding in
// the current layer is edited. Each key shows its binding text, which the
// device page writes into the buttons; hovering a key shows the text in a
// tip above it. The page keeps no layer data.
class DOnboardPage : public QWidget
{
    Q_OBJECT

public:
    explicit DOnboardPage(QWidget *parent = nullptr);
    ~DOnboardPage() override;

    // Sizes the page for the key count and builds the model's keys, replacing
    // any built before.
    void setModel(const QString &model, int keyCount);
    void loadKeyboardInfo(const QString &model);
    // Builds the keys from a layout text; a text that is not JSON builds none.
    void parseKeyboardInfo(const QByteArray &text);

    // 1 blanks every key; 0 shows the layout's captions again.
    void resetKeyTexts(int mode);
    void clearSelectedKey();
    void changAppTheme();

    // Every cell of the six grid rows in order, empty cells included: the
    // on-board download addresses keys by their place in this list.
    QList<SoftKeyboardButCustom *> getKeyButtonList() const { return m_keyButtonList; }
    QMap<int, SoftKeyboardButCustom *> getKeyButtonMap() const { return m_keyButtonMap; }

    QString model() const { return m_model; }
    SoftKeyboardButCustom *selectedKey() const { return m_selectedKey; }
    ArrowWidget *hoverPopup() const { return m_hoverPopup; }

signals:
    void sigKeyboardClicked(int keyCode, QString caption);
    void sigKeyboardMouseRightKeyClicked(int keyCode, QString caption);
    void sigOnboardLayoutUIAlreadyLoad();

public slots:
    void onKeyButtonClicked();
    void onButtonMouseRightKeyClicked(int keyCode, QString caption);
    void onCustomButMouseEnter();
    void onCustomButMouseLeave();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void clearKeys();
    void closeHoverPopup();

    std::unique_ptr<Ui::DOnboardPage> m_ui;
    QString m_model;
    int m_keyCount = 0;
    QFont m_iconFont;
    QMap<int, SoftKeyboardButCustom *> m_keyButtonMap;
    QList<SoftKeyboardButCustom *> m_keyButtonList;
    SoftKeyboardButCustom *m_selectedKey = nullptr;
    // Parentless, so it may stand above the page's window; the page deletes it.
    QPointer<ArrowWidget> m_hoverPopup;

    QString m_highlightColor;
    QString m_keyTextColor;
    QString m_keyBackground;
    QString m_fontFamily;
};
