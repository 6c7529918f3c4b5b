#include "DMacroPage.h"

#include "DDataManager.h"

#include <QLabel>
#include <QVBoxLayout>

DMacroPage::DMacroPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DMacroPage"));
    setAttribute(Qt::WA_StyledBackground);
    auto *layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("label_Title"));
    m_title->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_title);
    updataAllUI();
    changAppTheme();
}

void DMacroPage::setMacroFileInfo(const char *macroFilePath, xmlInterface *xml)
{
    m_macroFilePath = QString::fromLocal8Bit(macroFilePath ? macroFilePath : "");
    m_xml = xml;
}

void DMacroPage::setCurrentPageStatus(bool current)
{
    m_pageIsCurrent = current;
}

bool DMacroPage::getRecordStatus() const
{
    return m_recording;
}

void DMacroPage::startOrStopRecord()
{
    m_recording = !m_recording;
}

void DMacroPage::loadKeyboardInfo() {}

void DMacroPage::loadMacroList() {}

void DMacroPage::updataAllUI()
{
    m_title->setText(tr("MACRO"));
}

void DMacroPage::changAppTheme()
{
    const themeColorInfo colors = DDataManager::instance()->getThemeColor();
    setStyleSheet(QStringLiteral("QWidget#DMacroPage{background-color: rgb(%1);}"
                                 "QLabel#label_Title{color: rgb(%2);}")
                      .arg(colors.MacroCenterBgColor, colors.TextDefaultColor));
    QFont font = DDataManager::instance()->getFont(0);
    font.setPointSize(22);
    m_title->setFont(font);
}
