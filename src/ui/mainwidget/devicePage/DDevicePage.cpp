#include "DDevicePage.h"

#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDeviceListItem.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPageListShow = 0;
constexpr int kPageTipShow = 1;

} // namespace

DDevicePage::DDevicePage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DDevicePage"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 9, 0, 9);

    m_stack = new QStackedWidget(this);
    layout->addWidget(m_stack);

    auto *listPage = new QWidget(m_stack);
    listPage->setObjectName(QStringLiteral("page_KeyboardShow"));
    auto *listLayout = new QVBoxLayout(listPage);
    auto *scrollArea = new QScrollArea(listPage);
    scrollArea->setObjectName(QStringLiteral("scrollArea"));
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidgetResizable(true);
    scrollArea->setFixedHeight(50);
    auto *rows = new QWidget(scrollArea);
    rows->setObjectName(QStringLiteral("scrollAreaWidgetContents"));
    m_deviceItemLayout = new QHBoxLayout(rows);
    m_deviceItemLayout->setObjectName(QStringLiteral("horizontalLayout_24"));
    m_deviceItemLayout->setContentsMargins(0, 0, 0, 0);
    m_deviceItemLayout->addStretch(1);
    scrollArea->setWidget(rows);
    listLayout->addWidget(scrollArea);
    listLayout->addStretch(1);
    m_stack->addWidget(listPage);

    auto *tipPage = new QWidget(m_stack);
    tipPage->setObjectName(QStringLiteral("page_TipShow"));
    auto *tipLayout = new QVBoxLayout(tipPage);
    m_tipLabel = new QLabel(tipPage);
    m_tipLabel->setObjectName(QStringLiteral("label_Tip"));
    m_tipLabel->setAlignment(Qt::AlignCenter);
    tipLayout->addWidget(m_tipLabel);
    m_stack->addWidget(tipPage);

    connect(this, &DDevicePage::sigHomePageDeviceItemClicked, this, &DDevicePage::onHomePageDeviceItemClicked);
    retranslateAllUI();
    changeAppTheme();
    updateShownPage();
}

DDevicePage::~DDevicePage()
{
    closeAllDevices();
}

void DDevicePage::setMacroFileAndXmlInterface(const char *macroFilePath, xmlInterface *xml)
{
    m_macroFilePath = QString::fromLocal8Bit(macroFilePath ? macroFilePath : "");
    m_xmlInterface = xml;
}

void DDevicePage::setMainWidget(QWidget *mainWidget)
{
    m_mainWidget = mainWidget;
}

bool DDevicePage::isLightChanged() const
{
    return false;
}

int DDevicePage::askSaveLightChanges()
{
    return 2; // nothing to save: go on
}

void DDevicePage::saveLightChanges() {}

void DDevicePage::clearLightChanged() {}

// The lighting engines join the page with its configuration views.
void DDevicePage::stopDeviceLighting() {}

void DDevicePage::showFirstDevice()
{
    if (!m_currentDeviceItem && !m_deviceItemList.isEmpty())
        selectRow(m_deviceItemList.first());
    updateShownPage();
}

QList<hidStructInfo> DDevicePage::getHidDeviceList() const
{
    return m_hidInfoList;
}

bool DDevicePage::loadHidDeviceList(const QList<hidStructInfo> &list)
{
    m_hidInfoList = list;
    m_hidPathInfoMap.clear();
    m_newHidPathList.clear();
    if (m_hidListLoaded) {
        for (const hidStructInfo &record : list) {
            const QString path = fixedText(record.hidPath);
            m_hidPathInfoMap.insert(path, record);
            m_newHidPathList.append(path);
        }
        emit sigHidDeviceListUpdate(list);
        return false;
    }

    clearDeviceItems();
    for (const hidStructInfo &record : list) {
        const QString path = fixedText(record.hidPath);
        m_hidPathInfoMap.insert(path, record);
        m_newHidPathList.append(path);
        addDevice(record);
    }
    if (!m_deviceItemList.isEmpty()) {
        m_hidListLoaded = true;
        m_hidPathList = m_newHidPathList;
        showFirstDevice();
    }
    updateShownPage();
    emit sigHidDeviceListUpdate(list);
    return true;
}

void DDevicePage::insertOrRemoveHidDevice(bool inserted, const QString &)
{
    qDebug().noquote() << (inserted ? "------------------------------------------ ****************************** "
                                      "Keyboard [ Insert ] ****************************** "
                                      "--------------------------------------------"
                                    : "------------------------------------------ ****************************** "
                                      "Keyboard [ OutPut ] ****************************** "
                                      "--------------------------------------------");
    // A burst can both add and remove: both directions are compared.
    const QStringList taken = m_hidPathList;
    for (const QString &path : taken) {
        if (!m_newHidPathList.contains(path)) {
            qDebug().noquote() << "------------------------------------------OutPutHidPath FindHidPath:" << path;
            m_hidPathList.removeAll(path);
            removeDevice(path);
        }
    }
    for (const QString &path : qAsConst(m_newHidPathList)) {
        if (!m_hidPathList.contains(path)) {
            qDebug().noquote() << "------------------------------------------ InsertHidPath FindHidPath:" << path;
            m_hidPathList.append(path);
            addDevice(m_hidPathInfoMap.value(path));
        }
    }
    if (m_hidPathItemMap.isEmpty())
        m_hidListLoaded = false; // the next list builds everything again
    else if (!m_currentDeviceItem)
        selectRow(m_deviceItemList.first());
    updateShownPage();
}

QMap<QString, DDeviceKeyboardLink *> DDevicePage::getDeviceLinkMap() const
{
    return m_hidPathLinkMap;
}

void DDevicePage::setHidUpgradeInfo(bool pending, const QString &hidPath, const QString &serial)
{
    m_upgradeSerialPending = pending;
    m_upgradeHidPath = hidPath;
    m_upgradeSnInfo = serial;
}

void DDevicePage::closeAllDevices()
{
    const QStringList paths = m_hidPathItemMap.keys() + m_hidPathLinkMap.keys();
    for (const QString &path : paths)
        removeDevice(path);
    m_hidPathList.clear();
    m_newHidPathList.clear();
    m_hidInfoList.clear();
    m_hidPathInfoMap.clear();
    m_hidListLoaded = false;
}

void DDevicePage::retranslateAllUI()
{
    m_tipLabel->setText(tr("Device not connected"));
}

void DDevicePage::changeAppTheme()
{
    const themeColorInfo colors = DDataManager::instance()->getThemeColor();
    setStyleSheet(QStringLiteral("QWidget#DDevicePage{background-color: rgb(%1);}"
                                 "QLabel#label_Tip{color: rgb(%2);}")
                      .arg(colors.DeviceCenterBgColor, colors.TextCheckedColor));
    QFont font = DDataManager::instance()->getFont(0);
    font.setPointSize(22);
    m_tipLabel->setFont(font);
    for (DDeviceListItem *row : qAsConst(m_deviceItemList))
        row->updateThemeStyle();
}

void DDevicePage::onHomePageDeviceItemClicked(QString hidPath)
{
    DDeviceListItem *row = m_hidPathItemMap.value(hidPath);
    if (row && row != m_currentDeviceItem)
        selectRow(row);
}

void DDevicePage::onDeviceItemPressed()
{
    auto *row = qobject_cast<DDeviceListItem *>(sender());
    if (row && row != m_currentDeviceItem)
        selectRow(row);
}

// Rows of an earlier list; their links go with them.
void DDevicePage::clearDeviceItems()
{
    const QStringList paths = m_hidPathItemMap.keys();
    for (const QString &path : paths)
        removeDevice(path);
}

void DDevicePage::addDevice(const hidStructInfo &record)
{
    const QString path = fixedText(record.hidPath);
    auto *row = new DDeviceListItem(m_deviceItemLayout->parentWidget());
    row->setDeviceInfo(record.vid, record.pid, path, fixedText(record.manufacturer), fixedText(record.product),
                       fixedText(record.hidName), record.hidType, fixedText(record.infoText));
    row->updateThemeStyle();
    m_deviceItemLayout->insertWidget(m_deviceItemLayout->count() - 1, row);
    connect(row, &DDeviceListItem::sigDeviceItemPressed, this, &DDevicePage::onDeviceItemPressed);
    m_deviceItemList.append(row);
    m_hidPathItemMap.insert(path, row);
    m_hidPathInfoMap.insert(path, record);
    m_hidPathLinkMap.insert(path, createDeviceLink(record));
}

// The row goes at once; the link is torn down, so the device is closed and
// a re-plug gets a fresh one.
void DDevicePage::removeDevice(const QString &path)
{
    if (DDeviceListItem *row = m_hidPathItemMap.take(path)) {
        m_deviceItemList.removeAll(row);
        if (row == m_currentDeviceItem)
            m_currentDeviceItem = nullptr;
        m_deviceItemLayout->removeWidget(row);
        delete row;
    }
    m_hidPathInfoMap.remove(path);
    delete m_hidPathLinkMap.take(path);
}

DDeviceKeyboardLink *DDevicePage::createDeviceLink(const hidStructInfo &record)
{
    auto *link = new DDeviceKeyboardLink(++m_deviceIndexCounter);
    if (m_upgradeSerialPending && QString::fromUtf8(record.hidPath) == m_upgradeHidPath) {
        m_upgradeSerialPending = false;
        link->setUpgradeSerialNumber(m_upgradeSnInfo);
    }
    link->openHidDevice(record);
    return link;
}

void DDevicePage::selectRow(DDeviceListItem *row)
{
    m_currentDeviceItem = row;
    for (DDeviceListItem *item : qAsConst(m_deviceItemList))
        item->setSelected(item == row);
}

void DDevicePage::updateShownPage()
{
    m_stack->setCurrentIndex(m_deviceItemList.isEmpty() ? kPageTipShow : kPageListShow);
}
