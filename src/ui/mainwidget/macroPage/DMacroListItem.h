#pragma once

#include "ArrowWidget.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DMacroListItem;
class macroNameEditor;
}

class macroMenuToolWidget;
class xmlInterface;

// One row of the macro page's list: the macro's name, a menu to export,
// delete or rename it, and the in-place rename. Export and delete are only
// asked for; the rename is stored by the row itself, and the page is told
// how it went.
class DMacroListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DMacroListItem(QWidget *parent = nullptr);
    ~DMacroListItem() override;

    void setMacroFileInfo(const char *macroFilePath, xmlInterface *xml);
    void setItemInfo(const QString &index, const QString &name);
    void setSelectedStatus(bool on);

    QString getIndex() const { return m_index; }
    QString getName() const { return m_name; }
    bool isSelected() const { return m_selected; }
    // The pop-up of the operate button, once it has been opened.
    ArrowWidget *menuPopup() const { return m_popup; }

signals:
    void sigMacroItemMouseClicked(QString index, QString name);
    void sigExportMacroChildList(QString index, QString name);
    void sigDeleteMacro(QString index, QString name);
    void sigModifyMacroItemNameIsEmpty();
    void sigModifyMacroItemNameSuccess();
    // The store kept the old name (file unreadable, macro gone, disk full).
    void sigModifyMacroItemNameFailed();

public slots:
    void onCloseMenuWidow();
    void onMacroExport();
    void onMacroDelete();
    void onMacroModifyNanme();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private slots:
    void on_pushButton_MacroOperate_clicked();

private:
    // The rename editor is built on its first use: a list of hundreds of
    // rows builds none. Its buttons are connected when it is built.
    Ui::macroNameEditor *editor();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();

    std::unique_ptr<Ui::DMacroListItem> ui;
    std::unique_ptr<Ui::macroNameEditor> m_editor;
    QWidget *m_renamePage = nullptr;
    QString m_macroFilePath;
    xmlInterface *m_xml = nullptr;
    QString m_name;
    QString m_index = QStringLiteral("-1");
    bool m_selected = false;
    // One menu and pop-up per row, built on the first use.
    QPointer<ArrowWidget> m_popup;
};
