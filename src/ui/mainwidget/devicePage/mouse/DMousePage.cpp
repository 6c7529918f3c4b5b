#include "DMousePage.h"

#include "DDataManager.h"
#include "mouseButtonLabel.h"
#include "ui_DMousePage.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>

namespace {

constexpr int kPicturePageWidth = 700;
constexpr int kPicturePageHeight = 210;
constexpr int kPictureWidth = 100;
constexpr int kPictureHeight = 180;
constexpr int kLabelFontPoints = 10;
constexpr int kDotSize = 4;
constexpr int kGlowRadius = 6;
constexpr int kLeftButton = 0;
constexpr int kLastLeftSide = 3;
constexpr int kLastButton = 7;
// Labels end 4 px left of a left-side line, start 6 px right of a right-side one.
constexpr int kLeftLabelGap = 4;
constexpr int kRightLabelGap = 6;
constexpr int kLabelTextPadding = 4;

// Button number -> the code of the profile's bindings. Buttons 6 and 7
// (the right-side forward and back buttons) keep codes no binding uses.
constexpr int kButtonCodes[DMousePage::ButtonCount] = {1, 32, 16, 8, 2, 4, 6, 7};

const char *const kDefaultNames[DMousePage::ButtonCount] = {
    QT_TRANSLATE_NOOP("DMousePage", "Left Click"),  QT_TRANSLATE_NOOP("DMousePage", "Dpi Loop"),
    QT_TRANSLATE_NOOP("DMousePage", "Forward_L"),   QT_TRANSLATE_NOOP("DMousePage", "Backward_L"),
    QT_TRANSLATE_NOOP("DMousePage", "Right Click"), QT_TRANSLATE_NOOP("DMousePage", "Center Click"),
    QT_TRANSLATE_NOOP("DMousePage", "Forward_R"),   QT_TRANSLATE_NOOP("DMousePage", "Backward_R"),
};

// First and second dot of a leader line, as offsets of P1 and P3.
struct DotOffsets
{
    int firstX, firstY, secondX, secondY;
};
constexpr DotOffsets kDots[DMousePage::ButtonCount] = {
    {0, -1, -3, -2}, {-1, -1, -3, -2}, {0, -3, -3, -2}, {0, -4, -3, -2},
    {-5, -1, 1, -2}, {-1, -2, 1, -2},  {0, 0, 1, -2},   {0, 0, 1, -2},
};

} // namespace

DMousePage::DMousePage(const QString &modelName, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DMousePage>())
    , m_modelName(modelName)
{
    ui->setupUi(this);
    setFixedSize(kPicturePageWidth, kPicturePageHeight);
    setFocusPolicy(Qt::StrongFocus);

    m_labelFont.setPointSize(kLabelFontPoints);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    for (int n = 0; n < ButtonCount; ++n) {
        m_defaultNames[n] = tr(kDefaultNames[n]);
        auto *button = new QPushButton(m_defaultNames[n], this);
        QFont font = button->font();
        font.setPointSize(kLabelFontPoints);
        button->setFont(font);
        button->setFocusPolicy(Qt::NoFocus);
        if (n == kLeftButton) {
            button->setObjectName(QStringLiteral("Pushbutton_leftMouse"));
            button->setEnabled(false);
            button->setCheckable(false);
            button->setStyleSheet(QStringLiteral("color:rgb(105,105,105);background:transparent;border:none;"));
        } else {
            button->setObjectName(QStringLiteral("Pushbutton_mouse%1").arg(n));
            button->setCheckable(true);
            button->setToolTip(m_defaultNames[n]);
            button->hide();
            // The right-side side buttons have no codes of their own.
            if (n > 5)
                button->setEnabled(false);
        }
        m_group->addButton(button, n);
        m_buttons[n] = button;
    }
    connect(m_group, &QButtonGroup::idClicked, this, &DMousePage::onCurMouseIndexChanged);

    updateTheme();
    // The picture is a file of the installation, read once for the page.
    m_picturePath = QCoreApplication::applicationDirPath() + QStringLiteral("/images/hidImages/Keyboard_")
        + modelName + QStringLiteral(".png");
    m_picture.load(m_picturePath);
}

DMousePage::~DMousePage() = default;

int DMousePage::buttonCode(int number)
{
    return number >= 0 && number < ButtonCount ? kButtonCodes[number] : -1;
}

QPushButton *DMousePage::button(int number) const
{
    return number >= 0 && number < ButtonCount ? m_buttons[number] : nullptr;
}

int DMousePage::buttonForCode(int code) const
{
    for (int n = 0; n < ButtonCount; ++n) {
        if (kButtonCodes[n] == code)
            return n;
    }
    return -1;
}

void DMousePage::setKeyNameMap(const QMap<int, QString> &names)
{
    m_keyNames = names;
}

void DMousePage::setXmlInterface(xmlInterface *store)
{
    m_store = store;
}

void DMousePage::setMacroFilePath(const QString &path)
{
    m_macroFilePath = path;
}

void DMousePage::setProfilePath(const char *path)
{
    // A path cut to a fixed buffer would name another file.
    m_profilePath = path ? QFile::decodeName(path) : QString();
}

void DMousePage::loadMouseInfo(const QString &modelName)
{
    m_loaded = false;
    m_entries.clear();
    m_entriesByIndex.clear();
    mouseLayoutFile layout;
    if (!layout.loadModel(modelName))
        return;
    m_labelWidth = layout.labelWidth();
    m_labelHeight = layout.labelHeight();
    m_supportEnableXY = layout.supportEnableXY();
    m_entries = layout.buttons();
    m_entriesByIndex = layout.buttonsByIndex();
    for (const mouseButtonInfo &entry : qAsConst(m_entries)) {
        if (entry.Index > kLeftButton && entry.Index <= kLastButton)
            m_buttons[entry.Index]->show();
    }
    m_loaded = true;
    // Placed now too: the page may be shown already, with no resize to come.
    placeButtons();
    update();
    emit sigMouseInfoAlreadyLoad();
}

void DMousePage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_loaded)
        placeButtons();
}

void DMousePage::placeButtons()
{
    const int h = m_labelHeight;
    for (const mouseButtonInfo &entry : qAsConst(m_entries)) {
        if (entry.Index < kLeftButton || entry.Index > kLastButton)
            continue;
        // A caption longer than the model's label width (a translation)
        // widens its label away from the dot, so none is cut.
        QPushButton *button = m_buttons[entry.Index];
        const int w = qMax(m_labelWidth, button->fontMetrics().horizontalAdvance(button->text()) + 2 * kLabelTextPadding);
        const int x = entry.Index <= kLastLeftSide ? entry.PosX03 - w - kLeftLabelGap : entry.PosX03 + kRightLabelGap;
        button->setGeometry(x, entry.PosY03 - h / 2, w, h);
    }
}

void DMousePage::paintEvent(QPaintEvent *)
{
    if (!m_loaded)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // Larger than the page, so the default pen's outline lies outside it.
    painter.setBrush(m_backgroundColor);
    painter.drawRect(-3, -3, kPicturePageWidth + 6, kPicturePageHeight + 6);

    const QRect contents = contentsRect();
    if (!m_picture.isNull()) {
        painter.drawPixmap(QRect(contents.width() / 2 - kPictureWidth / 2, contents.height() / 2 - kPictureHeight / 2,
                                 kPictureWidth, kPictureHeight),
                           m_picture);
    }

    for (const mouseButtonInfo &listed : qAsConst(m_entries)) {
        const mouseButtonInfo entry = m_entriesByIndex.value(listed.Index, listed);
        const QPoint p1(entry.PosX01, entry.PosY01);
        const QPoint p2(entry.PosX02, entry.PosY02);
        const QPoint p3(entry.PosX03, entry.PosY03);
        const bool selected = m_selected && entry.Index != kLeftButton && entry.Index == m_selectedEntry.Index;
        QColor penColor = m_lineColor;
        QColor brushColor = m_dotColor;
        if (entry.Index == kLeftButton) {
            penColor = m_leftLineColor;
            brushColor = m_leftDotColor;
        } else if (selected) {
            penColor = m_selectedColor;
            brushColor = m_selectedColor;
        }
        const QPen pen(penColor, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
        painter.setPen(pen);
        painter.drawLine(p1, p2);
        painter.drawLine(p2, p3);
        if (entry.Index < kLeftButton || entry.Index > kLastButton)
            continue;

        const DotOffsets &dots = kDots[entry.Index];
        const QPoint first(p1.x() + dots.firstX, p1.y() + dots.firstY);
        painter.setBrush(brushColor);
        painter.drawEllipse(first.x(), first.y(), kDotSize, kDotSize);
        painter.drawEllipse(p3.x() + dots.secondX, p3.y() + dots.secondY, kDotSize, kDotSize);
        if (selected) {
            const QPointF centre(first.x() + kDotSize / 2, first.y() + kDotSize / 2);
            QRadialGradient glow(centre, kGlowRadius, centre);
            glow.setColorAt(0, brushColor);
            glow.setColorAt(1, Qt::transparent);
            painter.setPen(Qt::NoPen);
            painter.setBrush(glow);
            painter.drawEllipse(centre, kGlowRadius, kGlowRadius);
        }
    }
}

void DMousePage::onCurMouseIndexChanged(int index)
{
    if (index > kLeftButton && index <= kLastButton)
        m_buttons[index]->setChecked(true);
    emit sigMouseButtonClicked(index);
    if (m_entriesByIndex.contains(index)) {
        m_selectedEntry = m_entriesByIndex.value(index);
        m_selected = true;
        update();
    }
}

void DMousePage::setMouseKeyInfo(int buttonCode, customKeyInfo info)
{
    m_lastRecord = info;
    mouseButtonLabel::Sources sources;
    sources.keyNames = m_keyNames;
    sources.store = m_store;
    sources.macroFilePath = m_macroFilePath;
    sources.profilePath = m_profilePath;
    const QString label = mouseButtonLabel::make(info, sources);
    const QString elided = DDataManager::instance()->getElidedText(m_labelFont, label, LabelElideWidth);

    const int n = buttonForCode(buttonCode);
    if (n < 0)
        return;
    if (n != kLeftButton)
        m_buttons[n]->setToolTip(label);
    m_buttons[n]->setText(elided);
    placeButtons();
}

void DMousePage::setButtonText(int buttonCode, const QString &text)
{
    const int n = buttonForCode(buttonCode);
    if (n >= 0)
        m_buttons[n]->setText(text);
    placeButtons();
}

void DMousePage::resetButtonText(int buttonCode)
{
    const int n = buttonForCode(buttonCode);
    if (n >= 0)
        m_buttons[n]->setText(tr(kDefaultNames[n]));
    placeButtons();
}

void DMousePage::retranslateButtons()
{
    for (int n = 0; n < ButtonCount; ++n) {
        m_defaultNames[n] = tr(kDefaultNames[n]);
        m_buttons[n]->setText(m_defaultNames[n]);
        if (n != kLeftButton)
            m_buttons[n]->setToolTip(m_defaultNames[n]);
    }
    placeButtons();
}

void DMousePage::updateTheme()
{
    const auto css = [](const QString &text) { return themeColorInfo::cssColor(text); };
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    const QString font = QStringLiteral("font:bold %1pt \"%2\";").arg(kLabelFontPoints).arg(theme.TextFont);
    // The elision measures in the font the labels are drawn with.
    m_labelFont = QFont(theme.TextFont, kLabelFontPoints, QFont::Bold);
    // The captions lie on the mouse's background, lit when hovered: the
    // theme's colours, or the nearest shade that reads on both.
    const auto captionColour = [&theme](const QString &text) {
        return themeColorInfo::readableText(text, QStringList{theme.DeviceMouseBgColor, theme.DeviceControlHoverColor});
    };

    setStyleSheet(QStringLiteral("QPushButton{color:%1;background:transparent;border:none;%4}"
                                 "QPushButton:hover{border-radius:4px;border:1px solid %2;background-color:%3;}"
                                 "QPushButton:!checked{color:%1;}"
                                 "QPushButton:pressed,QPushButton:checked{color:%2;}")
                      .arg(css(captionColour(theme.TextDefaultColor)), css(captionColour(theme.TextCheckedColor)),
                           css(theme.DeviceControlHoverColor), font));
    m_buttons[kLeftButton]->setStyleSheet(QStringLiteral("QPushButton#Pushbutton_leftMouse{color:%1;background:transparent;}")
                                              .arg(css(themeColorInfo::readableText(
                                                  theme.DeviceMouseLeftKeyTextColor, theme.DeviceMouseBgColor))));
    ui->frame_MouseBg->setStyleSheet(
        QStringLiteral("QFrame#frame_MouseBg{border:0px solid %1;}").arg(css(theme.DeviceMouseBgColor)));

    m_backgroundColor = themeColorInfo::withAlpha(theme.DeviceMouseBgColor);
    m_lineColor = themeColorInfo::opaqueColor(theme.DeviceMouseDrawLineColor);
    m_dotColor = themeColorInfo::opaqueColor(theme.DeviceMouseDrawEllipseColor);
    m_leftLineColor = themeColorInfo::opaqueColor(theme.DeviceMouseDrawLineLeftKeyColor);
    m_leftDotColor = themeColorInfo::opaqueColor(theme.DeviceMouseDrawEllipseLeftKeyColor);
    m_selectedColor = themeColorInfo::opaqueColor(theme.TextCheckedColor);
    update();
}
