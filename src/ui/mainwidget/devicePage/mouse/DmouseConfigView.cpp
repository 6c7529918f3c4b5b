#include "DmouseConfigView.h"

#include "BasicColorArea.h"
#include "DDataManager.h"
#include "DDpiConfigListItem.h"
#include "SVColorArea.h"
#include "colorPickMath.h"
#include "mouseDpiLevels.h"
#include "ui_DmouseConfigView.h"
#include "xmlInterface.h"

#include <QFile>
#include <QSignalBlocker>

namespace {

constexpr int kConfigViewWidth = 700;
constexpr int kConfigViewHeight = 205;
constexpr int kRowSpacing = 3;
constexpr int kPaletteType = 0;
constexpr int kMaxChannel = 255;
// What the view writes into every user colour it stores.
constexpr int kCustomColorAction = 1;
constexpr int kCustomColorTransparency = 128;

} // namespace

DmouseConfigView::DmouseConfigView(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DmouseConfigView>())
{
    ui->setupUi(this);
    setFixedSize(kConfigViewWidth, kConfigViewHeight);

    m_svArea = new SVColorArea(ui->frame_Color);
    ui->frame_Color->layout()->addWidget(m_svArea);
    m_palette = new BasicColorArea(ui->widget_BasicColor);
    m_palette->setAreaType(kPaletteType);
    ui->widget_BasicColor->layout()->addWidget(m_palette);

    // The list shows the panel's background through it.
    ui->scrollArea_2->viewport()->setAutoFillBackground(false);
    ui->frame_Y->hide();
    writeRangeLabels();
    for (QSlider *slider : {ui->horizontalSlider_X, ui->horizontalSlider_Y}) {
        slider->setRange(SliderMinimum, SliderMaximum);
        // Only a drag of the handle moves them: no keys, clicks or wheel steps.
        slider->setSingleStep(0);
        slider->setPageStep(0);
        connect(slider, &QSlider::sliderReleased, this, &DmouseConfigView::onSliderReleased);
    }

    connect(m_svArea, &SVColorArea::sigGetRGB, this, &DmouseConfigView::onGetRGB);
    connect(m_svArea, &SVColorArea::sigMoveingStatus, this, &DmouseConfigView::onMoveingStatus);
    connect(m_svArea, &SVColorArea::sigMouseIsPress, this, &DmouseConfigView::onSVColorAreaMouseIsPress);
    connect(m_palette, &BasicColorArea::colorItemSelcSignal, this, &DmouseConfigView::onColorItemSelcSignal);
    connect(m_palette, &BasicColorArea::sigAddColor, this, &DmouseConfigView::onAddColor);
    connect(m_palette, &BasicColorArea::sigDeleteColor, this, &DmouseConfigView::onDeleteColor);
    connect(ui->horizontalSlider_X, &QSlider::valueChanged, this, &DmouseConfigView::onSetValueX);
    connect(ui->horizontalSlider_Y, &QSlider::valueChanged, this, &DmouseConfigView::onSetValueY);

    updateTheme();
}

DmouseConfigView::~DmouseConfigView() = default;

bool DmouseConfigView::eventFilter(QObject *watched, QEvent *event)
{
    return QWidget::eventFilter(watched, event);
}

void DmouseConfigView::setXmlInfo(const char *path, xmlInterface *store)
{
    // A path cut to a fixed buffer would name another file.
    m_profilePath = path ? QFile::decodeName(path) : QString();
    m_store = store;
}

void DmouseConfigView::setProfileIndex(int index)
{
    m_profileIndex = index;
}

QByteArray DmouseConfigView::profileText() const
{
    return QByteArray::number(m_profileIndex);
}

// --- The level list ------------------------------------------------------------

void DmouseConfigView::loadDpiConfig()
{
    buildDpiList();

    m_palette->clearCustomColors();
    QList<customColorInfo> colors;
    if (m_store)
        m_store->getCustomColorList(m_profilePath, profileText(), colors);
    for (const customColorInfo &color : colors)
        m_palette->addCustomColor(color.index, color.colorR, color.colorG, color.colorB);
}

void DmouseConfigView::clearDpiList()
{
    QLayout *list = ui->verticalLayout_17;
    // The last item is the spacer below the rows.
    while (list->count() > 1) {
        QLayoutItem *item = list->takeAt(0);
        if (QWidget *row = item->widget()) {
            row->setParent(nullptr);
            // Deferred: the load may run inside one of the row's own signals.
            row->deleteLater();
        }
        delete item;
    }
    m_rows.clear();
    m_rowByLevel.clear();
    m_editedRow = nullptr;
}

void DmouseConfigView::buildDpiList()
{
    clearDpiList();
    ui->verticalLayout_17->setSpacing(kRowSpacing);

    QList<dpiConfigInfo> levels;
    m_activeLevel = 1;
    if (m_store) {
        m_store->getDpiList(m_profilePath, profileText(), levels);
        m_activeLevel = m_store->getDpiUsingIndex(m_profilePath, profileText());
    }

    DDpiConfigListItem *activeRow = nullptr;
    for (const dpiConfigInfo &level : levels) {
        auto *row = new DDpiConfigListItem(level.index, ui->scrollAreaWidgetContents_2);
        row->setDpiInfo(level, m_activeLevel);
        connect(row, &DDpiConfigListItem::sigDpiConfigItemMouseClicked, this,
                &DmouseConfigView::onDpiConfigItemMouseClicked);
        connect(row, &DDpiConfigListItem::sigDpiConfigSetToMouse, this, &DmouseConfigView::onDpiConfigSetToMouse);
        connect(row, &DDpiConfigListItem::sigDpiConfigHaveChanged, this, &DmouseConfigView::onDpiConfigHaveChanged);
        ui->verticalLayout_17->insertWidget(ui->verticalLayout_17->count() - 1, row);
        m_rows.append(row);
        m_rowByLevel.insert(level.index, row);
        if (level.index == m_activeLevel)
            activeRow = row;
    }

    if (activeRow) {
        activeRow->emitItemClicked();
        activeRow->emitSetToMouse();
    }
}

void DmouseConfigView::onDpiConfigItemMouseClicked(int)
{
    auto *row = qobject_cast<DDpiConfigListItem *>(sender());
    if (!row)
        return;
    clearPickMark();
    for (DDpiConfigListItem *other : qAsConst(m_rows))
        other->setSelected(other == row);
    m_editedRow = row;

    const bool separate = row->getXYMode() != 0;
    ui->checkBox_EnableXY->setChecked(separate);
    ui->frame_Y->setVisible(separate);

    // Both positions first: moving X rewrites the row's Y while isXY is 0.
    const int x = row->getDpiX() / DpiStep;
    const int y = row->getDpiY() / DpiStep;
    ui->horizontalSlider_X->setValue(x);
    ui->horizontalSlider_Y->setValue(y);

    setSelectColor(row->getColor());
    m_baseColor = row->getColor();
}

void DmouseConfigView::onDpiConfigSetToMouse()
{
    auto *row = qobject_cast<DDpiConfigListItem *>(sender());
    if (!row)
        return;
    const int level = row->getIndex();
    if (m_store)
        m_store->saveDpiUsingIndex(m_profilePath, profileText(), level);
    m_activeLevel = level;
    for (DDpiConfigListItem *other : qAsConst(m_rows))
        other->setActive(other == row);
    emit sigDpiConfigChanged();
}

void DmouseConfigView::onDpiConfigHaveChanged()
{
    if (auto *row = qobject_cast<DDpiConfigListItem *>(sender()))
        saveDpiInfo(row);
}

void DmouseConfigView::saveDpiInfo(DDpiConfigListItem *row)
{
    if (m_store)
        m_store->updateDpiInfo(m_profilePath, profileText(), row->getIndex(), row->getDpiInfo());
    if (row == m_editedRow)
        m_colorUnsaved = false;
    emit sigDpiConfigChanged();
}

void DmouseConfigView::switchToNextDpiLevel()
{
    QList<dpiConfigInfo> levels;
    for (DDpiConfigListItem *row : qAsConst(m_rows))
        levels.append(row->getDpiInfo());
    if (DDpiConfigListItem *row = m_rowByLevel.value(mouseDpiLevels::nextLevel(m_activeLevel, levels))) {
        row->emitItemClicked();
        row->emitSetToMouse();
    }
}

// --- Sliders and Enable X/Y ----------------------------------------------------

void DmouseConfigView::onSetValueX(int position)
{
    if (!m_editedRow)
        return;
    m_editedRow->setDpiXY(position * DpiStep);
    m_editedRow->setDpiX(position * DpiStep);
}

void DmouseConfigView::onSetValueY(int position)
{
    if (m_editedRow)
        m_editedRow->setDpiY(position * DpiStep);
}

void DmouseConfigView::onSliderReleased()
{
    if (m_editedRow)
        saveDpiInfo(m_editedRow);
}

void DmouseConfigView::on_checkBox_EnableXY_clicked()
{
    const bool separate = ui->checkBox_EnableXY->isChecked();
    ui->frame_Y->setVisible(separate);
    if (!m_editedRow)
        return;
    DDpiConfigListItem *row = m_editedRow;
    row->setXYMode(separate ? 1 : 0);
    row->setDpiY(row->getDpiX());
    ui->horizontalSlider_Y->setValue(row->getDpiX() / DpiStep);
    saveDpiInfo(row);
}

void DmouseConfigView::setEnableXYVisible(bool visible)
{
    ui->frame_6->setVisible(visible);
    ui->label->setVisible(visible);
}

// --- Colour --------------------------------------------------------------------

void DmouseConfigView::clearPickMark()
{
    m_svArea->resetRingValue();
    // Known at once, even if the area is not painted before the next report.
    m_lastRingValue = 0;
}

void DmouseConfigView::setEditedRowColor(const QColor &color)
{
    if (!m_editedRow)
        return;
    m_editedRow->setColor(color);
    if (m_svPressed)
        m_colorUnsaved = true;
}

void DmouseConfigView::setSelectColor(const QColor &color)
{
    {
        const QSignalBlocker r(ui->lineEdit_R);
        const QSignalBlocker g(ui->lineEdit_G);
        const QSignalBlocker b(ui->lineEdit_B);
        ui->lineEdit_R->setText(QString::number(color.red()));
        ui->lineEdit_G->setText(QString::number(color.green()));
        ui->lineEdit_B->setText(QString::number(color.blue()));
    }
    ui->frame_SelectColor->setStyleSheet(
        QStringLiteral("QFrame#frame_SelectColor{border-radius:3px;border:1px solid rgba(230,230,230,128);"
                       "background-color:rgb(%1,%2,%3);}")
            .arg(color.red())
            .arg(color.green())
            .arg(color.blue()));
}

void DmouseConfigView::onColorItemSelcSignal(const QColor &color)
{
    m_baseColor = color;
    setSelectColor(color);
    setEditedRowColor(color);
    clearPickMark();
}

void DmouseConfigView::onGetRGB(int red, int green, int blue)
{
    m_baseColor = QColor(red, green, blue);
    setSelectColor(m_baseColor);
    if (!m_editedRow)
        return;
    setEditedRowColor(QColor(red, green, blue, 255));
    m_editedRow->emitHaveChanged();
}

void DmouseConfigView::onMoveingStatus(int position, int)
{
    // A repaint reports the ring again; applying it again would rewrite the
    // edited level and send it for nothing.
    if (position == m_lastRingValue)
        return;
    m_lastRingValue = position;
    if (position == 0)
        return;
    const QColor darker = colorPickMath::ringDarkenedColor(m_baseColor, position);
    setSelectColor(darker);
    setEditedRowColor(darker);
}

void DmouseConfigView::onSVColorAreaMouseIsPress(bool pressed)
{
    m_svPressed = pressed;
    if (!pressed) {
        // A drag changed the row in memory only: store it once now.
        if (m_colorUnsaved && m_editedRow)
            saveDpiInfo(m_editedRow);
        else
            emit sigDpiConfigChanged();
    }
    if (m_editedRow)
        m_editedRow->setPressed(pressed);
}

int DmouseConfigView::editValue(QLineEdit *edit) const
{
    // Text that is not a number counts as 0.
    return qBound(0, edit->text().toInt(), kMaxChannel);
}

void DmouseConfigView::applyEditColor()
{
    if (m_svPressed)
        return;
    onColorItemSelcSignal(
        QColor(editValue(ui->lineEdit_R), editValue(ui->lineEdit_G), editValue(ui->lineEdit_B), 255));
}

void DmouseConfigView::editTextChanged(Channel channel, QLineEdit *edit, const QString &text)
{
    const int value = text.toInt();
    // Out of range either way: back to what this edit last accepted (which
    // runs this handler again with that value).
    if (value < 0 || value > kMaxChannel) {
        edit->setText(QString::number(m_lastAccepted[channel]));
        return;
    }
    m_lastAccepted[channel] = value;
    applyEditColor();
}

void DmouseConfigView::on_lineEdit_R_textChanged(const QString &text)
{
    editTextChanged(Red, ui->lineEdit_R, text);
}

void DmouseConfigView::on_lineEdit_G_textChanged(const QString &text)
{
    editTextChanged(Green, ui->lineEdit_G, text);
}

void DmouseConfigView::on_lineEdit_B_textChanged(const QString &text)
{
    editTextChanged(Blue, ui->lineEdit_B, text);
}

void DmouseConfigView::onAddColor(int slot)
{
    const int r = editValue(ui->lineEdit_R);
    const int g = editValue(ui->lineEdit_G);
    const int b = editValue(ui->lineEdit_B);
    m_palette->addCustomColor(slot, r, g, b);
    if (m_store) {
        const customColorInfo info {slot, kCustomColorAction, r, g, b, kCustomColorTransparency};
        m_store->addCustomColor(m_profilePath, profileText(), info);
    }
}

void DmouseConfigView::onDeleteColor(int slot)
{
    if (m_store)
        m_store->deleteCustomColor(m_profilePath, profileText(), QByteArray::number(slot));
}

// --- Texts and theme -------------------------------------------------------------

void DmouseConfigView::writeRangeLabels()
{
    ui->label_XYminNUM->setText(QString::number(SliderMinimum * DpiStep));
    ui->label_XYmaxNUM->setText(QString::number(SliderMaximum * DpiStep));
}

void DmouseConfigView::retranslate()
{
    ui->retranslateUi(this);
    writeRangeLabels();
    buildDpiList();
}

void DmouseConfigView::updateTheme()
{
    const auto css = [](const QString &text) { return themeColorInfo::cssColor(text); };
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    const QString font = theme.TextFont;
    m_svArea->setKnobColor(themeColorInfo::opaqueColor(theme.TextCheckedColor));
    // The panel's captions: the theme's colours, or the nearest shade that
    // reads on the panel.
    const auto panelText = [&theme](const QString &text) {
        return themeColorInfo::readableText(text, theme.DeviceBottomBgColor);
    };

    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{background-color:%1;border-radius:8px;border:none;}")
                                 .arg(css(theme.DeviceBottomBgColor)));
    const QString listBackground = css(QStringLiteral("0,0,0,1"));
    ui->scrollArea_2->setStyleSheet(
        QStringLiteral("QScrollArea{background-color:%1;border:none;}"
                       "QScrollBar:vertical{width:4px;background:transparent;margin:0px;border:none;}"
                       "QScrollBar::handle:vertical{background:rgba(0,0,0,51);border-radius:2px;min-height:20px;}"
                       "QScrollBar::handle:vertical:hover{background:rgba(0,0,0,77);}"
                       "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
                       "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:transparent;}")
            .arg(listBackground));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_2{background-color:%1;}").arg(listBackground));
    ui->frame_DpiColor->setStyleSheet(QStringLiteral("QFrame#frame_DpiColor{border:none;border-left:1px solid %1;}")
                                          .arg(css(theme.DeviceControlDefaultColor)));
    ui->frame_BottomXY->setStyleSheet(QStringLiteral("QFrame#frame_BottomXY{border:none;border-top:1px solid %1;}"
                                                     "QLabel{color:%2;font:bold 8pt \"%3\";}")
                                          .arg(css(theme.DeviceControlDefaultColor),
                                               css(panelText(theme.TextCheckedColor)), font));
    ui->frame_9->setStyleSheet(
        QStringLiteral("QLabel{color:%1;font:bold 11pt \"%2\";}"
                       "QLineEdit{color:%1;border:1px solid %1;font:bold 8pt \"%2\";background-color:%3;}"
                       "QLineEdit:hover,QLineEdit:focus{border:1px solid %4;}")
            .arg(css(panelText(theme.TextDefaultColor)), font, css(theme.DeviceRightBgColor),
                 css(theme.TextCheckedColor)));
    ui->frame_BottomRight->setStyleSheet(
        QStringLiteral("QSlider::groove:horizontal{height:4px;border-radius:2px;background:transparent;}"
                       "QSlider::add-page:horizontal{height:4px;border-radius:2px;background:%1;}"
                       "QSlider::sub-page:horizontal{height:4px;border-radius:2px;background:%2;}"
                       "QSlider::handle:horizontal{width:8px;border-radius:4px;margin:-3px 0px;"
                       "background:qradialgradient(spread:pad,cx:0.5,cy:0.5,radius:0.5,fx:0.5,fy:0.5,"
                       "stop:0.6 %2,stop:0.778409 rgba(255,255,255,255));}")
            .arg(css(theme.DeviceColorToolSliderBottomColor), css(theme.TextCheckedColor)));
    ui->frame_XYnum->setStyleSheet(
        QStringLiteral("QLabel{color:%1;font:bold 8pt \"%2\";}").arg(css(panelText(theme.TextDefaultColor)), font));

    writeRangeLabels();
    buildDpiList();
}
