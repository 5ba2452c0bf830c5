// The System page's behaviour: the backup list, saving and loading backups, the device mode
// buttons, the system password confirm and the two password changes. The volume limit sliders
// and the radio buttons of the page are served by the shared handlers of the control binding.
#pragma once

#include <QObject>
#include <array>
#include <optional>
#include <string>

#include "link/DeviceLink.h"
#include "storage/BackupStore.h"
#include "storage/DataFolders.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;

namespace fenwave {

class BitmapButton;
class Dialogs;
class FileSystem;
class ParameterModel;
class TForm1;

// Where the backup folders may go: beside the program, or in the user's own data folder when
// the program's folder cannot take them (a program installed in a system folder).
struct BackupPlaces {
  std::string programFolder;
  std::string userFolder;
};

// The program's folder and the per-user application data folder of this run.
[[nodiscard]] BackupPlaces DefaultBackupPlaces();

// Prepares the data folders beside the program and uses them when their backup folder can be
// listed and written; otherwise prepares and uses the same folders under the user's data folder
// (creating its parents). When neither works the program's folders are kept, so that the first
// save or load reports the trouble.
[[nodiscard]] DataFolders PrepareBackupFolders(FileSystem& files, const BackupPlaces& places);

class SystemPage final : public QObject {
  Q_OBJECT

 public:
  // The window must hold the System page's controls; everything is used by reference and must
  // outlive the page.
  SystemPage(TForm1& window, DeviceLink& link, ParameterModel& model, FileSystem& files,
             Dialogs& dialogs, BackupPlaces places);
  ~SystemPage() override;
  Q_DISABLE_COPY_MOVE(SystemPage)

  // Start-up: fixes the backup folders for the run and shows the one in use on the page.
  void PrepareFolders();
  // Start-up and after every save: rebuilds the list from the backup folder and puts the name
  // in the list's current row into FileEdit.
  void ListBackups();

  // --- Handlers ---
  // The row just clicked: its backup name into FileEdit.
  void ValueListEditor1Click();
  // Save backup under FileEdit's name, asking before a listed name is overwritten.
  void RzBmpButton120Click();
  // Load the backup named in FileEdit and upload it to the device.
  void RzBmpButton119Click();
  // The selected device mode's name into PresetModeEdit.
  void SysModeBoxChange();
  // Recall (RzBmpButton121) or save (RzBmpButton138) the selected device mode.
  void RzBmpButton121Click(ModeButton sender);
  // Confirm the system password typed into SysPassEdit; the field is cleared.
  void RzBmpButton118Click();

  // --- What the link shows on this page ---
  void SetDeviceIdCaption(const std::string& text);
  void SetUserLevelGroupEnabled(bool enabled);

  [[nodiscard]] const DataFolders& Folders() const;
  [[nodiscard]] const BackupListing& Listing() const { return m_Listing; }

 protected:
  // Key filters of the password fields and the backup list.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct PasswordGroup {
    QLineEdit* oldField;
    QLineEdit* newField;
    QLineEdit* confirmField;
    bool system;  // the system password (6 digits), else the keypad-lock password (4 digits)
  };

  BackupStore& Store();
  [[nodiscard]] std::string FileName() const;
  void ShowStorageError(const StorageResult& result);
  // Runs the password change on one key typed into a field of `group`; true when the key is to
  // reach the field.
  bool PasswordKey(const PasswordGroup& group, QLineEdit* field, char32_t key);
  [[nodiscard]] const PasswordGroup* GroupOf(const QObject* field) const;

  TForm1& m_Window;
  DeviceLink& m_Link;
  ParameterModel& m_Model;
  FileSystem& m_Files;
  Dialogs& m_Dialogs;
  BackupPlaces m_Places;
  std::optional<BackupStore> m_Store;
  BackupListing m_Listing;

  QTableWidget* m_ValueListEditor1;
  QLineEdit* m_FileEdit;
  QListWidget* m_FileListBox1;
  QLabel* m_FolderLabel;
  QComboBox* m_SysModeBox;
  QLineEdit* m_PresetModeEdit;
  QLineEdit* m_SysPassEdit;
  QWidget* m_SysUserMangerGrop;
  QLabel* m_DeviceIDLabel;
  std::array<PasswordGroup, 2> m_PasswordGroups;
};

}  // namespace fenwave
