#include "ui/SystemPage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStandardPaths>
#include <QTableWidget>
#include <algorithm>

#include "link/Dialogs.h"
#include "model/ParameterModel.h"
#include "platform/LocalFileSystem.h"
#include "storage/FileSystem.h"
#include "ui/BitmapButton.h"
#include "ui/MainFrm.h"
#include "ui/PageBuilder.h"

namespace fenwave {
namespace {

constexpr std::string_view kOverwriteCaption = "*系统提示*";
constexpr std::string_view kOverwriteQuestion = "文件已存在,覆盖它吗?";
constexpr std::string_view kLoadCaption = "Confirm";
constexpr std::string_view kLoadQuestion = "加载模式：";
constexpr std::string_view kFolderCaption = "备份文件夹：";
// Written and removed again to see whether a folder takes files; the name is no backup's.
constexpr std::string_view kProbeFile = "/.fenwave-write-test";

constexpr char32_t kBackspace = 0x08;
constexpr char32_t kEnter = 0x0D;

// The control of that name and class, which the System page builder made.
template <class T> T* Required(const TForm1& window, const char* name) {
  T* control = window.Control<T>(QString::fromLatin1(name));
  if (!control) qFatal("System page control %s is missing", name);
  return control;
}

// The character a key press types, as the key handlers see it: backspace and Enter as their
// control codes, 0 for keys that type nothing (arrows, Delete, Tab and the like).
char32_t TypedKey(const QKeyEvent* event) {
  switch (event->key()) {
  case Qt::Key_Backspace:
    return kBackspace;
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return kEnter;
  case Qt::Key_Tab:
  case Qt::Key_Backtab:
  case Qt::Key_Delete:
    return 0;
  default:
    break;
  }
  const QList<uint> text = event->text().toUcs4();
  return text.isEmpty() ? 0 : static_cast<char32_t>(text.front());
}

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetTextIfChanged(QLineEdit* field, const std::string& text) {
  const QString value = FromUtf8(text);
  if (field->text() != value) field->setText(value);
}

bool FolderTakesFiles(FileSystem& files, const DataFolders& folders) {
  if (!files.ListFileNames(folders.backupFolder)) return false;
  const std::string probe = folders.backupFolder + std::string(kProbeFile);
  if (!files.WriteFileAtomically(probe, {})) return false;
  static_cast<void>(files.RemoveFile(probe));
  return true;
}

// Creates every missing folder of `path`, parents first; failures show in the later checks.
void CreateFolderPath(FileSystem& files, const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1))
    static_cast<void>(files.CreateFolder(path.substr(0, slash)));
  static_cast<void>(files.CreateFolder(path));
}

}  // namespace

BackupPlaces DefaultBackupPlaces() {
  BackupPlaces places;
  places.programFolder =
      RunningProgramFolder().value_or(QCoreApplication::applicationDirPath().toStdString());
  places.userFolder =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  return places;
}

DataFolders PrepareBackupFolders(FileSystem& files, const BackupPlaces& places) {
  std::optional<DataFolders> beside;
  if (!places.programFolder.empty()) {
    beside = DeriveDataFolders(places.programFolder);
    PrepareDataFolders(files, *beside);
    if (FolderTakesFiles(files, *beside)) return *beside;
  }
  if (!places.userFolder.empty()) {
    CreateFolderPath(files, places.userFolder);
    const DataFolders own = DeriveDataFolders(places.userFolder);
    PrepareDataFolders(files, own);
    if (FolderTakesFiles(files, own) || !beside) return own;
  }
  // Neither place is known: the working folder rather than the file system's root.
  return beside.value_or(DeriveDataFolders("."));
}

SystemPage::SystemPage(TForm1& window, DeviceLink& link, ParameterModel& model, FileSystem& files,
                       Dialogs& dialogs, BackupPlaces places)
    : m_Window(window), m_Link(link), m_Model(model), m_Files(files), m_Dialogs(dialogs),
      m_Places(std::move(places)),
      m_ValueListEditor1(Required<QTableWidget>(window, "ValueListEditor1")),
      m_FileEdit(Required<QLineEdit>(window, "FileEdit")),
      m_FileListBox1(Required<QListWidget>(window, "FileListBox1")),
      m_FolderLabel(Required<QLabel>(window, "BackupFolderLabel")),
      m_SysModeBox(Required<QComboBox>(window, "SysModeBox")),
      m_PresetModeEdit(Required<QLineEdit>(window, "PresetModeEdit")),
      m_SysPassEdit(Required<QLineEdit>(window, "SysPassEdit")),
      m_SysUserMangerGrop(Required<QWidget>(window, "SysUserMangerGrop")),
      m_DeviceIDLabel(Required<QLabel>(window, "DeviceIDLabel")),
      m_PasswordGroups{{
          {Required<QLineEdit>(window, "PassPanelLabel1"),
           Required<QLineEdit>(window, "NewPassLabel1"),
           Required<QLineEdit>(window, "NewPassLabel2"), false},
          {Required<QLineEdit>(window, "SysPanelLabel1"),
           Required<QLineEdit>(window, "NewSysPassLabel1"),
           Required<QLineEdit>(window, "NewSysPassLabel2"), true},
      }} {
  connect(m_ValueListEditor1, &QTableWidget::cellClicked, this,
          [this](int, int) { ValueListEditor1Click(); });
  connect(Required<BitmapButton>(window, "RzBmpButton120"), &BitmapButton::clicked, this,
          &SystemPage::RzBmpButton120Click);
  connect(Required<BitmapButton>(window, "RzBmpButton119"), &BitmapButton::clicked, this,
          &SystemPage::RzBmpButton119Click);
  // Every change of the selection, the user's and the refresh's rebuild of the list alike.
  connect(m_SysModeBox, &QComboBox::currentIndexChanged, this, &SystemPage::SysModeBoxChange);
  connect(Required<BitmapButton>(window, "RzBmpButton121"), &BitmapButton::clicked, this,
          [this] { RzBmpButton121Click(ModeButton::Recall); });
  connect(Required<BitmapButton>(window, "RzBmpButton138"), &BitmapButton::clicked, this,
          [this] { RzBmpButton121Click(ModeButton::Save); });
  connect(Required<BitmapButton>(window, "RzBmpButton118"), &BitmapButton::clicked, this,
          &SystemPage::RzBmpButton118Click);

  // The device keeps a mode name as single bytes of printable ASCII; any other character would
  // reach it as a meaningless byte and come back as another one.
  m_PresetModeEdit->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[\\x20-\\x7E]{0,20}")), m_PresetModeEdit));

  m_ValueListEditor1->installEventFilter(this);
  m_SysPassEdit->installEventFilter(this);
  for (const PasswordGroup& group : m_PasswordGroups) {
    for (QLineEdit* field : {group.oldField, group.newField, group.confirmField})
      field->installEventFilter(this);
  }
}

SystemPage::~SystemPage() = default;

// ---------------------------------------------------------------------------------------------
// Backup folders and list.

void SystemPage::PrepareFolders() {
  m_Store.emplace(m_Files, PrepareBackupFolders(m_Files, m_Places));
  const QString folder = FromUtf8(m_Store->Folders().backupFolder);
  const QString text = ToQString(kFolderCaption) + folder;
  // A long path keeps its beginning and its end; the whole path is in the tool tip.
  m_FolderLabel->setText(QFontMetrics(m_FolderLabel->font())
                             .elidedText(text, Qt::ElideMiddle, m_FolderLabel->width()));
  m_FolderLabel->setToolTip(folder);
}

BackupStore& SystemPage::Store() {
  if (!m_Store) PrepareFolders();
  return *m_Store;
}

const DataFolders& SystemPage::Folders() const {
  static const DataFolders kNotPrepared;
  return m_Store ? m_Store->Folders() : kNotPrepared;
}

void SystemPage::ListBackups() {
  BackupListing listing = Store().List();
  if (!listing.result.ok()) {
    // The list and the known names stay those of the last listing that worked.
    ShowStorageError(listing.result);
    return;
  }
  const int currentRow = std::max(0, m_ValueListEditor1->currentRow());
  m_Listing = std::move(listing);

  m_FileListBox1->clear();
  m_ValueListEditor1->clearContents();
  m_ValueListEditor1->setRowCount(static_cast<int>(m_Listing.rows.size()));
  for (std::size_t i = 0; i < m_Listing.rows.size(); ++i) {
    const BackupRow& row = m_Listing.rows[i];
    const QString cells[2] = {QString::number(row.number), FromUtf8(row.name)};
    for (int column = 0; column < 2; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      m_ValueListEditor1->setItem(static_cast<int>(i), column, item);
    }
    m_FileListBox1->addItem(FromUtf8(row.fileName));
  }

  // The current row stays where it was (the first one at start-up) while the list still has
  // it; FileEdit takes that row's name.
  const int rows = m_ValueListEditor1->rowCount();
  if (rows > 0) m_ValueListEditor1->setCurrentCell(std::min(currentRow, rows - 1), 0);
  m_FileEdit->setText(FromUtf8(FileEditText(m_Listing, m_ValueListEditor1->currentRow() + 1)));
}

void SystemPage::ValueListEditor1Click() {
  // Row numbers of the listing count the title row as row 0.
  m_FileEdit->setText(FromUtf8(FileEditText(m_Listing, m_ValueListEditor1->currentRow() + 1)));
  if (m_Window.StartupComplete()) m_FileEdit->setFocus();
}

std::string SystemPage::FileName() const {
  return m_FileEdit->text().toStdString();
}

void SystemPage::ShowStorageError(const StorageResult& result) {
  static_cast<void>(m_Dialogs.Show({}, std::string(MessageOf(result.status).chinese),
                                   DialogButtons::Ok, DialogOwner::MainWindow));
}

void SystemPage::RzBmpButton120Click() {
  const std::string name = FileName();
  for (int i = KnownNameCount(m_Listing, name); i > 0; --i) {
    if (!m_Dialogs.Show(std::string(kOverwriteCaption), std::string(kOverwriteQuestion),
                        DialogButtons::OkCancel, DialogOwner::MainWindow))
      return;
  }
  const StorageResult saved = Store().Save(name, m_Model.DeviceImage());
  if (!saved.ok()) {
    ShowStorageError(saved);
    return;
  }
  ListBackups();
}

void SystemPage::RzBmpButton119Click() {
  const std::string name = FileName();
  if (!m_Dialogs.Show(std::string(kLoadCaption), std::string(kLoadQuestion) + name + "?",
                      DialogButtons::YesNo, DialogOwner::MainWindow))
    return;
  const StorageResult loaded = Store().Load(name, m_Model);
  if (!loaded.ok()) {
    ShowStorageError(loaded);
    return;
  }
  // Uploads the loaded image when the link is ready; otherwise it waits in the DeviceImage.
  m_Link.RunLinkAction(kActionUpload);
}

// ---------------------------------------------------------------------------------------------
// Device modes and the system password.

void SystemPage::SysModeBoxChange() {
  m_PresetModeEdit->setText(FromUtf8(fenwave::SysModeBoxChange(
      m_SysModeBox->currentIndex(), m_SysModeBox->currentText().toStdString())));
}

void SystemPage::RzBmpButton121Click(ModeButton sender) {
  m_Link.RzBmpButton121Click(sender, m_SysModeBox->currentIndex(),
                             m_SysModeBox->currentText().toStdString(),
                             m_PresetModeEdit->text().toStdString());
}

void SystemPage::RzBmpButton118Click() {
  const std::string typed = m_SysPassEdit->text().toStdString();
  // Cleared first: a wrong password's message box then shows over an empty field.
  m_SysPassEdit->clear();
  m_Link.RzBmpButton118Click(typed);
}

void SystemPage::SetDeviceIdCaption(const std::string& text) {
  m_DeviceIDLabel->setText(FromUtf8(text));
}

void SystemPage::SetUserLevelGroupEnabled(bool enabled) {
  m_SysUserMangerGrop->setEnabled(enabled);
}

// ---------------------------------------------------------------------------------------------
// Keys.

const SystemPage::PasswordGroup* SystemPage::GroupOf(const QObject* field) const {
  for (const PasswordGroup& group : m_PasswordGroups) {
    if (field == group.oldField || field == group.newField || field == group.confirmField)
      return &group;
  }
  return nullptr;
}

bool SystemPage::PasswordKey(const PasswordGroup& group, QLineEdit* field, char32_t key) {
  PasswordFields fields{group.oldField->text().toStdString(), group.newField->text().toStdString(),
                        group.confirmField->text().toStdString(), group.newField->isEnabled(),
                        group.confirmField->isEnabled()};
  const std::string oldBefore = fields.oldText;
  const bool accepted = group.system ? m_Link.SysPanelLabel1KeyPress(fields, key)
                                     : m_Link.PassPanelLabel1KeyPress(fields, key);
  SetTextIfChanged(group.oldField, fields.oldText);
  SetTextIfChanged(group.newField, fields.newText);
  SetTextIfChanged(group.confirmField, fields.confirmText);
  group.newField->setEnabled(fields.newEnabled);
  group.confirmField->setEnabled(fields.confirmEnabled);
  // A key that completed (or ended) the change found the fields emptied: it must not become
  // the first character of a new attempt.
  const bool reset = fields.oldText != oldBefore;
  if (reset && !field->isEnabled()) group.oldField->setFocus();
  return accepted && !reset && field->isEnabled();
}

bool SystemPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const char32_t key = TypedKey(static_cast<QKeyEvent*>(event));
  if (key == 0) return false;  // navigation and editing keys act as usual
  // The backup list takes no typing (not even the jump to a row by its first letter).
  if (watched == m_ValueListEditor1) return true;
  if (watched == m_SysPassEdit) return !SysPassEditKeyPress(key);
  if (const PasswordGroup* group = GroupOf(watched))
    return !PasswordKey(*group, static_cast<QLineEdit*>(watched), key);
  return false;
}

}  // namespace fenwave
