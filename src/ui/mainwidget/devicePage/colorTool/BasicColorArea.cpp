#include "BasicColorArea.h"

#include "ArrowWidget.h"
#include "BasicColorItem.h"
#include "colorToolLog.h"
#include "deleteBasicColorItemTool.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kSpacing = 2;
constexpr int kAddButtonSize = 12;
constexpr int kPopupSize = 60;
constexpr int kPopupArrowOffset = 23;
// The pop-up's arrow tip lands on the swatch's top middle.
constexpr QPoint kSwatchAnchor(8, 16);
constexpr QPoint kPopupShift(32, 76);

struct PaletteType
{
    QList<QList<QColor>> rows;
    int userSlots;
};

PaletteType paletteOf(int type)
{
    if (type == 0) {
        return {{{{255, 0, 0}, {255, 128, 0}, {255, 255, 0}, {0, 255, 0}, {0, 255, 255}},
                 {{255, 0, 255}, {128, 0, 255}, {0, 0, 255}, {0, 0, 0}, {255, 255, 255}}},
                5};
    }
    return {{{{255, 0, 0}, {255, 128, 0}, {255, 255, 0}, {0, 255, 0}, {0, 255, 255}, {0, 0, 255}, {128, 0, 255},
              {0, 0, 0}, {255, 255, 255}}},
            9};
}

QHBoxLayout *newRow()
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kSpacing);
    return row;
}

} // namespace

BasicColorArea::BasicColorArea(QWidget *parent)
    : QWidget(parent)
    , m_mainLayout(new QVBoxLayout(this))
{
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_mainLayout->setSpacing(kSpacing);
    setStyleSheet(QStringLiteral(
        "QPushButton{border-image:url(:/images/deviceLed/addColorDef.png);}"
        "QPushButton:hover{border-image:url(:/images/deviceLed/addColorSel.png);}"
        "QPushButton:pressed{border-image:url(:/images/deviceLed/addColorSel.png);}"));
}

BasicColorArea::~BasicColorArea()
{
    delete m_deletePopup;
}

void BasicColorArea::setAreaType(int type)
{
    if (m_built || (type != 0 && type != 1)) {
        qCWarning(lcColorTool) << "BasicColorArea: palette type" << type << "refused (built already or unknown)";
        return;
    }
    m_built = true;
    m_areaType = type;
    const PaletteType palette = paletteOf(type);
    for (const QList<QColor> &colors : palette.rows) {
        QHBoxLayout *row = newRow();
        for (const QColor &color : colors) {
            auto *item = new BasicColorItem(color, this);
            connect(item, &BasicColorItem::itemClickedSignal, this, &BasicColorArea::colorItemSelcSignal);
            connect(item, &BasicColorItem::sigBasicColorItemMouseEnter, this,
                    &BasicColorArea::onBasicColorItemMouseEnter);
            connect(item, &BasicColorItem::sigBasicColorItemMouseLeave, this,
                    &BasicColorArea::onBasicColorItemMouseLeave);
            m_presets.append(item);
            row->addWidget(item);
        }
        m_mainLayout->addLayout(row);
    }

    using Slot = void (BasicColorArea::*)();
    static const Slot kAddSlots[] = {&BasicColorArea::onAddColor01, &BasicColorArea::onAddColor02,
                                     &BasicColorArea::onAddColor03, &BasicColorArea::onAddColor04,
                                     &BasicColorArea::onAddColor05, &BasicColorArea::onAddColor06,
                                     &BasicColorArea::onAddColor07, &BasicColorArea::onAddColor08,
                                     &BasicColorArea::onAddColor09};
    m_addRow = newRow();
    for (int slot = 0; slot < palette.userSlots; ++slot) {
        auto *button = new QPushButton(this);
        button->setFixedSize(kAddButtonSize, kAddButtonSize);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, kAddSlots[slot]);
        m_addButtons.append(button);
        m_addRow->addWidget(button);
    }
    m_mainLayout->addLayout(m_addRow);
}

void BasicColorArea::onAddColor01() { emit sigAddColor(0); }
void BasicColorArea::onAddColor02() { emit sigAddColor(1); }
void BasicColorArea::onAddColor03() { emit sigAddColor(2); }
void BasicColorArea::onAddColor04() { emit sigAddColor(3); }
void BasicColorArea::onAddColor05() { emit sigAddColor(4); }
void BasicColorArea::onAddColor06() { emit sigAddColor(5); }
void BasicColorArea::onAddColor07() { emit sigAddColor(6); }
void BasicColorArea::onAddColor08() { emit sigAddColor(7); }
void BasicColorArea::onAddColor09() { emit sigAddColor(8); }

void BasicColorArea::onBasicColorItemMouseEnter() {}
void BasicColorArea::onBasicColorItemMouseLeave() {}

BasicColorItem *BasicColorArea::userSwatch(int slot) const
{
    for (BasicColorItem *swatch : m_userSwatches) {
        if (swatch->index() == slot)
            return swatch;
    }
    return nullptr;
}

QWidget *BasicColorArea::addRowWidgetAt(int position) const
{
    if (!m_addRow)
        return nullptr;
    QLayoutItem *item = m_addRow->itemAt(position);
    return item ? item->widget() : nullptr;
}

void BasicColorArea::addCustomColor(int slot, int red, int green, int blue)
{
    // Profiles are shared with the other palette type and may hold doubled
    // slots: show what fits, once.
    if (slot < 0 || slot >= m_addButtons.size()) {
        qCWarning(lcColorTool) << "BasicColorArea: user slot" << slot << "is not one of the palette's" << m_addButtons.size();
        return;
    }
    if (userSwatch(slot)) {
        qCWarning(lcColorTool) << "BasicColorArea: user slot" << slot << "already holds a swatch";
        return;
    }
    auto *swatch = new BasicColorItem(QColor(red, green, blue, 255), this);
    swatch->setIndex(slot);
    connect(swatch, &BasicColorItem::itemClickedSignal, this, &BasicColorArea::colorItemSelcSignal);
    connect(swatch, &BasicColorItem::sigBasicColorItemMouseRightButtonPress, this,
            &BasicColorArea::onBasicColorItemMouseRightButtonPress);
    m_userSwatches.append(swatch);

    QPushButton *button = m_addButtons.at(slot);
    m_addRow->removeWidget(button);
    button->hide();
    m_addRow->insertWidget(slot, swatch);
    m_addRow->update();
}

void BasicColorArea::showAddButton(int slot)
{
    if (slot < 0 || slot >= m_addButtons.size())
        return;
    QPushButton *button = m_addButtons.at(slot);
    m_addRow->insertWidget(slot, button);
    button->show();
}

void BasicColorArea::removeUserSwatch(BasicColorItem *swatch)
{
    m_userSwatches.removeOne(swatch);
    m_addRow->removeWidget(swatch);
    swatch->hide();
    swatch->deleteLater();
}

void BasicColorArea::onBasicColorItemMouseRightButtonPress()
{
    auto *swatch = qobject_cast<BasicColorItem *>(sender());
    if (!swatch)
        return;
    m_currentSwatch = swatch;

    auto *tool = new deleteBasicColorItemTool(this);
    tool->setWindowOpacity(1.0);
    connect(tool, &deleteBasicColorItemTool::sigDeleteBasicColor, this, &BasicColorArea::onDeleteBasicColor);

    if (m_deletePopup) {
        m_deletePopup->hide();
        m_deletePopup->deleteLater();
    }
    m_deletePopup = new ArrowWidget(1, nullptr);
    m_deletePopup->setPopupSize(kPopupSize, kPopupSize);
    m_deletePopup->setArrowOffset(kPopupArrowOffset);
    m_deletePopup->setContentWidget(tool);
    m_deletePopup->move(swatch->mapToGlobal(kSwatchAnchor) - kPopupShift);
    m_deletePopup->show();
    m_deletePopup->activateWindow();
}

void BasicColorArea::closeDeletePopup()
{
    if (m_deletePopup)
        m_deletePopup->hide();
}

void BasicColorArea::onDeleteBasicColor()
{
    closeDeletePopup();
    BasicColorItem *swatch = m_currentSwatch;
    m_currentSwatch = nullptr;
    if (!swatch || !m_userSwatches.contains(swatch))
        return; // the swatch went with a reload while its pop-up was open
    const int slot = swatch->index();
    removeUserSwatch(swatch);
    showAddButton(slot);
    m_addRow->update();
    emit sigDeleteColor(slot);
}

void BasicColorArea::clearCustomColors()
{
    closeDeletePopup();
    m_currentSwatch = nullptr;
    const QList<BasicColorItem *> swatches = m_userSwatches;
    for (BasicColorItem *swatch : swatches) {
        const int slot = swatch->index();
        removeUserSwatch(swatch);
        showAddButton(slot);
    }
    m_userSwatches.clear();
    if (m_addRow)
        m_addRow->update();
}
