// The FTP page: the server, the upload folder picked in a browser of the server's folders, the
// timed snapshots and file options of a camera's upload, and a test of the whole chain. Server
// work runs on the page's own connection, off the window's thread.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>

#include "settings/Unit_PanelBase.h"
#include "upload/FtpBrowser.h"

namespace trelvix {

class TFrame_Panel6 : public TFrame_PanelBase {
    Q_OBJECT
public:
    // Tree node kinds, as icon indexes of the tree's picture list.
    static constexpr int kFolderIcon = 0;
    static constexpr int kFileIcon = 2;

    TFrame_Panel6(QWidget* owner, int cameraIndex);
    ~TFrame_Panel6() override;

    void SaveToCamera() override;
    void LoadFromCamera() override;
    void EnableControls(bool enabled) override;
    TPreviewPanel* PreviewPanel() const override { return Panel6; }

    void CheckBox_startClick();
    void CheckBox_FTPfixdFileNameClick();
    void BitBtn7Click();
    void BitBtn5Click();
    void BitBtn1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void TreeView1Click(QTreeWidgetItem* node);
    void AddLogLine(const QString& text);
    // The server folder a tree node stands for, ending with "/".
    static QString NodePath(const QTreeWidgetItem* node);
    static int NodeIcon(const QTreeWidgetItem* node);

    QLabel* Label_FTPIP;
    QLineEdit* Edit_FTPIP;
    QLabel* Label_FTPPORT;
    QLineEdit* Edit_FTPPORT;
    QLabel* Label_FTPUSER;
    QLineEdit* Edit_FTPUSER;
    QLabel* Label_FTPPASSWORD;
    QLineEdit* Edit_FTPPASSWORD;
    QLabel* Label_FTPDIR;
    QLineEdit* Edit_FTPDIR;
    QPushButton* BitBtn7;
    QGroupBox* GroupBox4;
    QLabel* Label15;
    QSpinBox* CSpinEdit4;
    QLabel* Label3;
    QSpinBox* CSpinEdit1;
    QLabel* Label4;
    QSpinBox* CSpinEdit2;
    QGroupBox* GroupBoxOption;
    QCheckBox* CheckBox_FTPmakeDIRbyDate;
    QCheckBox* CheckBox_FTPfixdFileName;
    QLabel* Label;
    QLineEdit* Edit_FTPfixedFileName;
    QCheckBox* CheckBox_FTPMoveImageUpload;
    QCheckBox* CheckBox_start;
    TPreviewPanel* Panel6;

    QFrame* PanelFTPWizart;
    QPushButton* BitBtn5;
    QLabel* Label1;
    QTreeWidget* TreeView1;
    QLabel* Label2;
    QLineEdit* Edit_FTPDIR_SHOW;
    QPushButton* BitBtn1;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QTreeWidget* ListViewLog;
    QList<QIcon> ImageList1;

    // The page's own server connection.
    CFtpBrowser& browser() { return *browser_; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* BuildServerFields();
    QWidget* BuildTimedGroup();
    QWidget* BuildOptionGroup();
    void BuildBrowser();
    FtpLogin CurrentLogin() const;
    bool HostAndPortGiven() const;
    void ListNode(QTreeWidgetItem* node);
    void FolderListed(int request, const QString& path, const QList<FtpListEntry>& entries,
                      bool ok);
    void LoggedIn(bool ok);
    void Idle();
    void PlaceBrowser();

    std::unique_ptr<CFtpBrowser> browser_;
    // Listings asked for and not yet back, by request; forgotten when the tree is rebuilt.
    QHash<int, QTreeWidgetItem*> listings_;
    int loginRequest_ = 0;
};

}  // namespace trelvix
