#include "keyboardPage.h"
#include "ui_keyboardPage.h"

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "ReadOnlyDataFile.h"
#include "buildUpColorShowArea.h"
#include "dragShowArea.h"
#include "keyboardButCustom.h"
#include "keyboardKeyTool.h"
#include "sideLightButtonCustom.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

constexpr int kEnterKey = 40;
constexpr int kEmptyCellCode = 0;
constexpr int kSelectedAlpha = 180;

// The hover pop-up: its lower edge on the key's top edge, its arrow tip
// (7 pixels right of the arrow offset) over the key's centre.
constexpr int kTipWidth = 200;
constexpr int kTipHeight = 90;
constexpr int kTipArrowOffset = 90;
constexpr int kTipArrowTipX = kTipArrowOffset + 7;

// Keys the "34Key" layout does not let the user assign.
bool isLockedOn34Key(int keyCode)
{
    return keyCode == 38 || keyCode == 39 || keyCode == 41;
}

// The pop-up's near-white caption, or the nearest shade that reads where
// the theme's pop-up colour is too light for it.
QColor keyTipTextColor()
{
    const QColor white(245, 245, 245);
    return themeColorInfo::readableOn(white,
                                      themeColorInfo::opaqueColor(DDataManager::instance()->getThemeColor().AllBgColor));
}

bool between(int value, int a, int b)
{
    return value >= qMin(a, b) && value <= qMax(a, b);
}

} // namespace

keyboardPage::keyboardPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::keyboardPage)
{
    ui->setupUi(this);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(720, 230);

    m_dragArea = new dragShowArea(ui->frame);
    ui->horizontalLayout->addWidget(m_dragArea);
    m_dragArea->hide();
    connect(m_dragArea, &dragShowArea::sigDragArea, this, &keyboardPage::onDragArea);
    m_colorBuildUp = new buildUpColorShowArea(ui->frame);
    ui->horizontalLayout->addWidget(m_colorBuildUp);
    m_colorBuildUp->hide();

    updateTheme();
}

keyboardPage::~keyboardPage()
{
    qDeleteAll(m_keyTips);
    delete ui;
}

void keyboardPage::setKeyboardName(const QString &model)
{
    m_modelName = model;
    const QString picture =
        QCoreApplication::applicationDirPath() + QStringLiteral("/images/hidImages/Keyboard_") + model + ".png";
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{border-image: url(\"%1\");}").arg(picture));
    loadKeyboardInfo(model);
}

void keyboardPage::loadKeyboardInfo(const QString &model)
{
    const ReadOnlyDataFile file(KeyLayoutFile::fileNameForModel(model));
    QByteArray text;
    if (!KeyLayoutFile::readFile(file.path(), text))
        return;
    // The frame inside the margins then has the picture's size, so layout
    // coordinates are picture coordinates. An unknown model keeps the size.
    const QMap<QString, hidModelInfo> models = DDataManager::instance()->getHidModelMap();
    const auto found = models.constFind(model);
    if (found != models.constEnd())
        setFixedSize(found->SizeWidth + 2 * m_offsetX, found->SizeHeight + 2 * m_offsetY);
    parseKeyboardInfo(text);
}

void keyboardPage::parseKeyboardInfo(const QByteArray &text)
{
    removeButtons();
    m_sideLightHave = false;
    m_supportOnboard = false;
    m_specialEnterKey = false;
    m_specialEnterKeyShape = 0;
    m_keyboardIntroduction.clear();

    KeyLayoutFile layout;
    if (layout.parse(text)) {
        const KeyLayoutFile::Header &header = layout.header();
        m_sideLightHave = layout.hasSideLights();
        m_supportOnboard = header.supportOnboard == 1;
        if (layout.hasSpecialEnter()) {
            m_specialEnterKey = true;
            m_specialEnterKeyShape = header.specialEnterKeyShape;
        }
        m_keyboardIntroduction = header.keyboardIntroduction;

        for (const KeyLayoutFile::SideLight &led : layout.sideLights()) {
            auto *light = new sideLightButtonCustom(this);
            light->setLightSize(led.width, led.height);
            light->move(led.posX + m_offsetX, led.posY + m_offsetY);
            light->setLightPosition(led.posX + m_offsetX, led.posY + m_offsetY);
            light->setIndexAndValid(led.index, led.validStatus);
            light->hide();
            m_sideLightButtons.append(light);
        }

        const QPoint notch = layout.enterNotch();
        for (int r = 0; r < RowCount; ++r) {
            for (int i = 0; i < layout.rowCellCount(r); ++i) {
                const KeyLayoutFile::KeyCell &cell = layout.cell(r, i);
                auto *key = new keyboardButCustom(this);
                key->setKeySize(cell.width, cell.height);
                if (cell.dec == kEnterKey) {
                    key->setSpecialEnter(m_specialEnterKey);
                    if (m_specialEnterKey) {
                        key->setEnterShape(1);
                        key->setEnterNotch(notch.x(), notch.y());
                    }
                }
                key->setGeometry(cell.posX + m_offsetX, cell.posY + m_offsetY, cell.width, cell.height);
                key->setKeyPosition(cell.posX + m_offsetX, cell.posY + m_offsetY);
                key->setSelected(false, false);
                key->setKeyInfo(cell.dec, cell.rawCaption);
                key->setCell(r, i);
                m_keyMap.insert(cell.dec, key);
                connect(key, &keyboardButCustom::clicked, this, &keyboardPage::onKeyButtonClicked);
                connect(key, &keyboardButCustom::sigCustomButMouseEnter, this, &keyboardPage::onCustomButMouseEnter);
                connect(key, &keyboardButCustom::sigCustomButMouseLeave, this, &keyboardPage::onCustomButMouseLeave);
                keyButtonGrid[r][i] = key;
                key->show();
            }
        }
        emit sigKeyboardAlreadyLoad();
    }
    applyKeyThemeColors();
}

// A view loads one layout; should it load another, nothing of the first stays
// reachable.
void keyboardPage::removeButtons()
{
    m_currentKey = nullptr;
    m_selectedKeys.clear();
    m_touchedKeys.clear();
    m_keyMap.clear();
    for (auto &row : keyButtonGrid) {
        for (keyboardButCustom *&key : row) {
            delete key;
            key = nullptr;
        }
    }
    qDeleteAll(m_sideLightButtons);
    m_sideLightButtons.clear();
}

void keyboardPage::applyKeyThemeColors()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    const QColor clicked = themeColorInfo::opaqueColor(theme.DeviceKeyClickedColor);
    const QColor haveCustom = themeColorInfo::opaqueColor(theme.DeviceKeyHaveCustomColor);
    for (auto &row : keyButtonGrid)
        for (keyboardButCustom *key : row)
            if (key)
                key->setThemeColors(clicked, haveCustom);
}

void keyboardPage::setKeyClickLocked(bool locked)
{
    m_clicksLocked = locked;
}

void keyboardPage::showSideLights(bool on)
{
    if (!m_sideLightHave)
        return;
    for (sideLightButtonCustom *light : qAsConst(m_sideLightButtons))
        light->setVisible(on && light->getValidStatus() == 1);
}

void keyboardPage::hideSideLights()
{
    for (sideLightButtonCustom *light : qAsConst(m_sideLightButtons))
        light->hide();
}

void keyboardPage::setKeyFrameMode(bool selectCurrent, bool keyMode)
{
    for (keyboardButCustom *key : qAsConst(m_keyMap))
        key->setKeyMode(keyMode);
    if (m_currentKey)
        m_currentKey->setSelected(selectCurrent, true);
}

void keyboardPage::setCustomLightMode(bool on)
{
    m_customLightMode = on;
    m_dragArea->setVisible(on);
    if (!on)
        clearSelection();
    for (keyboardButCustom *key : qAsConst(m_keyMap))
        key->setCustomLightMode(on);
}

void keyboardPage::clearSelection()
{
    m_selectedKeys.clear();
    for (keyboardButCustom *key : qAsConst(m_touchedKeys)) {
        key->setSelected(false, true);
        key->setDragCaught(false);
    }
    m_touchedKeys.clear();
}

void keyboardPage::setSelectedKeysColor(int red, int green, int blue)
{
    if (m_selectedKeys.isEmpty())
        return;
    const QColor colour(red, green, blue, kSelectedAlpha);
    for (keyboardButCustom *key : qAsConst(m_selectedKeys))
        key->setKeyColor(colour);
    emit sigUpdateCustomLight();
}

void keyboardPage::clearCurrentKey()
{
    if (m_currentKey)
        m_currentKey->setSelected(false, true);
    m_currentKey = nullptr;
}

void keyboardPage::hideKeyTips()
{
    // Only pop-ups still shown are released; one that hid itself on losing
    // activation stays listed until its key is left or the view goes.
    const QList<ArrowWidget *> tips = m_keyTips;
    for (ArrowWidget *tip : tips)
        if (tip->isVisible())
            releaseKeyTip(tip);
}

void keyboardPage::releaseKeyTip(ArrowWidget *tip)
{
    tip->hide();
    m_keyTips.removeAll(tip);
    // Never leave the current pop-up pointing at a freed one: the next
    // mouse-leave would touch it.
    if (tip == m_currentKeyTip)
        m_currentKeyTip = nullptr;
    delete tip;
}

void keyboardPage::updateTheme()
{
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    m_fontFamily = theme.TextFont;
    const QColor band = themeColorInfo::opaqueColor(theme.DeviceKeyHaveCustomColor);
    m_dragArea->setRectColor(band.red(), band.green(), band.blue());
    if (!m_keyMap.isEmpty())
        applyKeyThemeColors();
}

void keyboardPage::addTouchedKey(keyboardButCustom *key)
{
    if (!m_touchedKeys.contains(key))
        m_touchedKeys.append(key);
}

void keyboardPage::onKeyButtonClicked()
{
    auto *key = qobject_cast<keyboardButCustom *>(sender());
    if (!key)
        return;

    if (m_clicksLocked) {
        if (!m_customLightMode)
            return;
        if (key->isSelected()) {
            m_selectedKeys.removeAll(key);
            key->setSelected(false, true);
        } else {
            key->setSelected(true, true);
            m_selectedKeys.append(key);
            addTouchedKey(key);
        }
        return;
    }

    if (key == m_currentKey)
        return;
    if (QString(key->getKeyText()).remove(QLatin1Char('"')) == QLatin1String("Fn"))
        return;
    if (m_keyboardIntroduction == QLatin1String("34Key") && isLockedOn34Key(key->getKeyCode()))
        return;
    if (m_currentKey)
        m_currentKey->setSelected(false, true);
    key->setSelected(true, true);
    m_currentKey = key;
    emit sigKeyboardClicked(key->getKeyCode(), key->getKeyText());
}

void keyboardPage::onCustomButMouseEnter()
{
    auto *key = qobject_cast<keyboardButCustom *>(sender());
    if (m_clicksLocked || !key)
        return;
    // One pop-up at a time, even if a leave never came.
    if (m_currentKeyTip)
        releaseKeyTip(m_currentKeyTip);

    auto *tool = new keyboardKeyTool;
    const QColor tipText = keyTipTextColor();
    tool->setLabelText(KeyLayoutFile::caption(key->getKeyText(), key->getKeyCode(), false));
    tool->setLabelStyle(
        QStringLiteral("color: rgb(%1, %2, %3); font: bold 12pt \"%4\";")
            .arg(tipText.red())
            .arg(tipText.green())
            .arg(tipText.blue())
            .arg(m_fontFamily));

    auto *tip = new ArrowWidget(1);
    tip->setPopupSize(kTipWidth, kTipHeight);
    tip->setArrowOffset(kTipArrowOffset);
    tip->setContentWidget(tool);
    tip->move(key->mapToGlobal(QPoint(key->width() / 2, key->height()))
              - QPoint(kTipArrowTipX, key->height() + kTipHeight));
    tip->show();
    m_currentKeyTip = tip;
    m_keyTips.append(tip);
}

void keyboardPage::onCustomButMouseLeave()
{
    if (m_clicksLocked || !m_currentKeyTip)
        return;
    releaseKeyTip(m_currentKeyTip);
}

void keyboardPage::onDragArea(int startX, int startY, int endX, int endY)
{
    for (keyboardButCustom *key : qAsConst(m_touchedKeys)) {
        key->setSelected(false, true);
        key->setDragCaught(false);
    }
    qDebug().nospace() << "-------------------------------- startX:" << startX << " startY:" << startY
                       << " endX:" << endX << " endY:" << endY;
    m_selectedKeys.clear();

    // The band is in the picture frame's coordinates and a key's position in
    // the view's, so a key is caught when the point 20 pixels right of and
    // below its top-left corner lies in the band.
    for (auto it = m_keyMap.constBegin(); it != m_keyMap.constEnd(); ++it) {
        // The map's code-0 entry is an empty cell, never a key.
        if (it.key() == kEmptyCellCode)
            continue;
        keyboardButCustom *key = it.value();
        const int x = key->getPosX() + m_offsetX;
        const int y = key->getPosY() + m_offsetY;
        if (!between(x, startX, endX) || !between(y, startY, endY))
            continue;
        key->setSelected(true, true);
        key->setDragCaught(true);
        m_selectedKeys.append(key);
        addTouchedKey(key);
    }
}

void keyboardPage::paintEvent(QPaintEvent *)
{
    // The frame's picture and the buttons draw everything.
}

void keyboardPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
}

void keyboardPage::setColorBuildUp(const QList<double> &stops, const QList<QColor> &colors)
{
    m_colorBuildUp->setColorBuildUp(stops, colors);
}
