#pragma once

#include "ArrowWidget.h"
#include "hidStructInfo.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class DHomeDeviceListWidget;
class QPushButton;

namespace Ui {
class DHomePage;
}

// The home page: one tile per attached device (or the "Device not
// connected" picture), the column of web and shop links with two picture
// pop-ups, and the company-link row. A tile click is passed on as the
// device's path. The page never talks to a device and never writes a file.
class DHomePage : public QWidget
{
    Q_OBJECT

public:
    explicit DHomePage(QWidget *parent = nullptr);
    ~DHomePage() override;

    // Lays the page out for a list; the list is not stored.
    void showHidDeviceList(QList<hidStructInfo> list);
    void updataAllUI();
    void changAppTheme();

    // The link text a company-link label shows for a link, escaped.
    static QString companyLinkText(const QString &link, const QString &colour, const QString &fontFamily);

    Ui::DHomePage *form() const { return ui; }
    DHomeDeviceListWidget *deviceListWidget() const { return m_deviceListWidget; }
    ArrowWidget *currentPopup() const { return m_popup; }
    QString webLink() const { return m_webLink; }
    QString jdLink() const { return m_jdLink; }
    QString taoBaoLink() const { return m_taoBaoLink; }
    QString companyLink() const { return m_companyLink; }
    QString companyLinkEN() const { return m_companyLinkEN; }

signals:
    void sigHidDeviceListUpdateHome(QList<hidStructInfo> list);
    void sigHomePage(QString hidPath);

public slots:
    void onHidDeviceListUpdateHome(QList<hidStructInfo> list);
    void onCloseMenuWidow();
    void onLickActivited(QString href);
    void onLickActivited_EN(QString href);
    void on_pushButton_Pardex_clicked();
    void on_pushButton_JD_clicked();
    void on_pushButton_TaoBao_clicked();
    void on_pushButton_WeChatPublic_clicked();
    void on_pushButton_WeiBo_clicked();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void readLinks();
    void applyCompanyLinkTexts();
    void showPicturePopup(QPushButton *button, const QString &picture);
    static void openLink(const QString &link);

    Ui::DHomePage *ui;
    QList<hidStructInfo> m_hidList;
    DHomeDeviceListWidget *m_deviceListWidget = nullptr;
    QPointer<ArrowWidget> m_popup;
    QString m_webLink;
    QString m_jdLink;
    QString m_taoBaoLink;
    QString m_companyLink;
    QString m_companyLinkEN;
};
