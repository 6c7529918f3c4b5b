#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class profileListItem;
}

class ArrowWidget;
class pageTextFitter;

// One PC profile in the device page's profile list: the name, the current
// profile's mark and an operate button with Export and Delete. The row only
// signals its profile's index and name; the device page does the work.
// Colours are taken when the row is built; the list is rebuilt on a theme
// change.
class profileListItem : public QWidget
{
    Q_OBJECT

public:
    explicit profileListItem(QWidget *parent = nullptr);
    ~profileListItem() override;

    void setProfileInfo(const QString &index, const QString &name);
    void setSelectedStatus(bool selected);

    QString getProfileIndex() const { return m_index; }
    QString getProfileName() const { return m_name; }
    // The menu pop-up, once the operate button has been clicked.
    ArrowWidget *menuPopup() const { return m_popup; }

signals:
    void sigProfileItemMouseClicked(const QString &index, const QString &name);
    void sigExportProfileChildList(const QString &index, const QString &name);
    void sigDeleteProfile(const QString &index, const QString &name);

public slots:
    void on_pushButton_ProfileOperate_clicked();
    void onCloseMenuWidow();
    void onProfileExport();
    void onProfileDelete();
    void onProfileModifyNanme();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    std::unique_ptr<Ui::profileListItem> m_ui;
    pageTextFitter *m_nameFitter = nullptr; // owned by the row
    QString m_index = QStringLiteral("-1");
    QString m_name;
    QString m_borderColor;
    QString m_selectedColor;
    QString m_hoverColor;
    // One pop-up per row, made on the first click and shown again after.
    ArrowWidget *m_popup = nullptr;
};
