#include "DCustomEventListItem.h"
#include "ui_DCustomEventListItem.h"

#include "DDataManager.h"
#include "keyFunctionCatalogue.h"
#include "keyFunctionStyle.h"

#include <QMouseEvent>

#include <cstring>

namespace {
// The key label's room for the caption.
constexpr int kCaptionWidth = 54;
}

DCustomEventListItem::DCustomEventListItem(QWidget *parent) : QWidget(parent), ui(new Ui::DCustomEventListItem)
{
    ui->setupUi(this);
    std::memset(&m_info, 0, sizeof m_info);
    // Nothing is shown for a function until a binding names one.
    ui->label_CustomEvent->clear();
    // Captions and bound texts are shown as typed, never as markup.
    ui->label_Key->setTextFormat(Qt::PlainText);
    ui->label_CustomEvent->setTextFormat(Qt::PlainText);
    // The row's width decides, not the text's: long texts are cut below.
    ui->label_CustomEvent->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    ui->label_CustomEvent->installEventFilter(this);

    // Colours come from the list's one style sheet (rowStyleSheet), so a theme
    // change restyles the rows without rebuilding them.
}

DCustomEventListItem::~DCustomEventListItem()
{
    delete ui;
}

QString DCustomEventListItem::rowStyleSheet(const themeColorInfo &theme)
{
    const QString font = keyFunctionStyle::fontRule(theme);
    return QStringLiteral("DCustomEventListItem QFrame#frame_Left{border:1px solid %1;}"
                          "DCustomEventListItem QLabel#label_Key{color:%1;border:none;%3}"
                          "DCustomEventListItem QLabel#label_CustomEvent{color:%2;border:none;%3}"
                          "DCustomEventListItem QFrame#frame_Right{border:1px solid %2;border-left:none;}"
                          "DCustomEventListItem QFrame#frame_Right:hover{border:1px solid %1;border-left:none;}")
        .arg(keyFunctionStyle::color(theme.TextCheckedColor), keyFunctionStyle::color(theme.TextDefaultColor),
             font);
}

void DCustomEventListItem::setProfileName(const QString &name)
{
    m_profileName = name;
}

void DCustomEventListItem::setCustomEvent(customKeyInfo info, QMap<int, QString> keyNames)
{
    m_info = info;
    m_keyNames = keyNames;
    m_keyCode = keyFunctionCatalogue::fieldNumber(info.keyCode, sizeof info.keyCode);
    updateTexts();
}

void DCustomEventListItem::updateTexts()
{
    m_keyCaption = keyFunctionCatalogue::keyCaptionOf(m_info);
    ui->label_Key->ensurePolished();
    const QString shown = DDataManager::instance()->getElidedText(ui->label_Key->font(), m_keyCaption, kCaptionWidth);
    m_captionCut = shown != m_keyCaption;
    ui->label_Key->setText(shown);
    ui->label_Key->setToolTip(m_captionCut ? m_keyCaption : QString());

    m_functionText = keyFunctionCatalogue::functionText(m_info, m_keyNames, m_profileName);
    showFunctionText();
}

void DCustomEventListItem::showFunctionText()
{
    // Texts and program paths rarely fit a row: cut with an ellipsis, whole
    // in the tool tip.
    const int width = ui->label_CustomEvent->contentsRect().width();
    QString shown = m_functionText;
    if (width > 0) {
        ui->label_CustomEvent->ensurePolished();
        shown = DDataManager::instance()->getElidedText(ui->label_CustomEvent->font(),
                                                        QString(m_functionText).replace(QLatin1Char('\n'), QLatin1Char(' ')),
                                                        width);
    }
    ui->label_CustomEvent->setText(shown);
    ui->label_CustomEvent->setToolTip(shown != m_functionText ? m_functionText : QString());
}

bool DCustomEventListItem::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->label_CustomEvent && event->type() == QEvent::Resize)
        showFunctionText();
    return QWidget::eventFilter(watched, event);
}

void DCustomEventListItem::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit sigCustomEventItemMouseClicked(m_keyCode, m_keyCaption);
}
