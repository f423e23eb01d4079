#include "app/designer/designer_window.h"

#include <QtCore/QFileInfo>
#include <QtGui/QActionGroup>
#include <QtGui/QCloseEvent>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QScrollArea>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QStyle>
#include <QtWidgets/QToolBar>
#include <memory>
#include <new>

#include "app/designer/designer_canvas.h"
#include "app/designer/designer_form.h"
#include "app/designer/designer_icons.h"
#include "app/qt/vellumar_widget.h"
#include "control/vellumar.h"
#include "platform/errors/error_text.h"
#include "platform/errors/host_error.h"
#include "platform/form_file/form_file_lock.h"

namespace vellumar {
namespace {

const QString kApplicationName = QStringLiteral("Vellumar-Designer");
const QString kUntitled = QStringLiteral("Unbenannt");
constexpr int kStatusMessageMs = 10000;

std::string Text(const QString& text) {
  return text.toStdString();
}

}  // namespace

DesignerWindow::DesignerWindow(DesignerServices services, QWidget* parent)
    : QMainWindow(parent),
      services_(std::move(services)),
      canvas_(new FormCanvas),
      scroll_(new QScrollArea(this)) {
  scroll_->setWidget(canvas_);
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setBackgroundRole(QPalette::Dark);
  setCentralWidget(scroll_);
  BuildActions();
  BuildMenus();
  BuildToolBar();
  mode_label_ = new QLabel(this);
  selection_label_ = new QLabel(this);
  statusBar()->addPermanentWidget(selection_label_);
  statusBar()->addPermanentWidget(mode_label_);
  canvas_->SetContextActions({properties_, delete_}, {add_});

  connect(canvas_, &FormCanvas::modified, this, [this] { SetModified(true); });
  connect(canvas_, &FormCanvas::selectionChanged, this, [this] {
    UpdateActions();
    UpdateSelectionLabel();
  });
  connect(canvas_, &FormCanvas::modified, this, &DesignerWindow::UpdateSelectionLabel);
  connect(canvas_, &FormCanvas::propertiesRequested, this, &DesignerWindow::ShowProperties);
  connect(canvas_, &FormCanvas::controlError, this, &DesignerWindow::ShowControlError);
  SetDocument({}, kUntitled);
  SetDesignMode(true);
}

DesignerWindow::~DesignerWindow() = default;

void DesignerWindow::BuildActions() {
  QStyle* style = this->style();
  new_ = new QAction(style->standardIcon(QStyle::SP_FileIcon), QStringLiteral("&Neu"), this);
  new_->setShortcut(QKeySequence::New);
  new_->setStatusTip(QStringLiteral("Eine neue, leere Form beginnen"));
  connect(new_, &QAction::triggered, this, &DesignerWindow::NewForm);

  open_ = new QAction(style->standardIcon(QStyle::SP_DialogOpenButton), QStringLiteral("Ö&ffnen…"), this);
  open_->setShortcut(QKeySequence::Open);
  open_->setStatusTip(QStringLiteral("Eine gespeicherte Form öffnen"));
  connect(open_, &QAction::triggered, this, &DesignerWindow::Open);

  save_ = new QAction(style->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("&Speichern"), this);
  save_->setShortcut(QKeySequence::Save);
  save_->setStatusTip(QStringLiteral("Die Form in ihre Datei speichern"));
  connect(save_, &QAction::triggered, this, &DesignerWindow::Save);

  save_as_ = new QAction(QStringLiteral("Speichern &unter…"), this);
  save_as_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  save_as_->setStatusTip(QStringLiteral("Die Form in eine andere Datei speichern"));
  connect(save_as_, &QAction::triggered, this, &DesignerWindow::SaveAs);

  quit_ = new QAction(QStringLiteral("&Beenden"), this);
  quit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(quit_, &QAction::triggered, this, &QWidget::close);

  add_ = new QAction(TabStripIcon(), QStringLiteral("Steuerelement &hinzufügen"), this);
  add_->setShortcut(QKeySequence(Qt::Key_Insert));
  add_->setStatusTip(QStringLiteral("Ein neues Registersteuerelement auf die Form setzen"));
  connect(add_, &QAction::triggered, this, &DesignerWindow::AddControl);

  delete_ =
      new QAction(style->standardIcon(QStyle::SP_TrashIcon), QStringLiteral("Steuerelement &löschen"), this);
  delete_->setShortcut(QKeySequence::Delete);
  delete_->setStatusTip(QStringLiteral("Das ausgewählte Steuerelement entfernen"));
  connect(delete_, &QAction::triggered, this, &DesignerWindow::DeleteSelectedControl);

  properties_ = new QAction(style->standardIcon(QStyle::SP_FileDialogDetailedView),
                            QStringLiteral("&Eigenschaften…"), this);
  properties_->setShortcut(QKeySequence(Qt::Key_F4));
  properties_->setStatusTip(QStringLiteral("Die Eigenschaftenseiten des ausgewählten Steuerelements zeigen"));
  connect(properties_, &QAction::triggered, this, &DesignerWindow::ShowProperties);

  modes_ = new QActionGroup(this);
  design_mode_ = new QAction(DesignModeIcon(), QStringLiteral("&Entwurfsmodus"), modes_);
  design_mode_->setCheckable(true);
  design_mode_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5));
  design_mode_->setStatusTip(QStringLiteral("Steuerelemente auswählen, verschieben und bearbeiten"));
  connect(design_mode_, &QAction::triggered, this, [this] { SetDesignMode(true); });
  run_mode_ = new QAction(RunModeIcon(), QStringLiteral("&Ausführungsmodus"), modes_);
  run_mode_->setCheckable(true);
  run_mode_->setShortcut(QKeySequence(Qt::Key_F5));
  run_mode_->setStatusTip(QStringLiteral("Die Form bedienen wie ein Anwender"));
  connect(run_mode_, &QAction::triggered, this, [this] { SetDesignMode(false); });

  about_ = new QAction(QStringLiteral("&Info zu Vellumar"), this);
  connect(about_, &QAction::triggered, this, [this] {
    if (services_.show_about) services_.show_about(this);
  });
}

void DesignerWindow::BuildMenus() {
  QMenu* file = AddMenu(QStringLiteral("&Datei"));
  file->addActions({new_, open_, save_, save_as_});
  file->addSeparator();
  file->addAction(quit_);
  QMenu* edit = AddMenu(QStringLiteral("&Bearbeiten"));
  edit->addActions({add_, delete_});
  edit->addSeparator();
  edit->addAction(properties_);
  QMenu* view = AddMenu(QStringLiteral("&Ansicht"));
  view->addActions({design_mode_, run_mode_});
  QMenu* help = AddMenu(QStringLiteral("&Hilfe"));
  help->addAction(about_);
}

QMenu* DesignerWindow::AddMenu(const QString& title) {
  QMenu* menu = menuBar()->addMenu(title);
  menu_titles_.append({menu, title});
  return menu;
}

void DesignerWindow::BuildToolBar() {
  QToolBar* tools = addToolBar(QStringLiteral("Werkzeuge"));
  tools->setMovable(false);
  tools->setIconSize(QSize(16, 16));
  tools->addActions({new_, open_, save_});
  tools->addSeparator();
  tools->addActions({add_, delete_, properties_});
  tools->addSeparator();
  tools->addActions({design_mode_, run_mode_});
}

void DesignerWindow::ShowUntitledForm(const Form& form, const QString& title) {
  const QStringList notes = PlaceForm(*canvas_, form);
  SetDocument({}, title);
  ShowNotes(notes);
}

bool DesignerWindow::OpenFile(const std::string& path) {
  // All or nothing: the form in the window stays as it was unless every control of the file has been placed.
  QStringList notes;
  std::string problem;
  try {
    const Form form = LoadForm(path);
    try {
      notes = PlaceForm(*canvas_, form);
    } catch (const HostError& error) {
      throw error.Within(PathExcerpt(path));
    }
  } catch (const HostError& error) {
    problem = error.what();
  } catch (const std::bad_alloc&) {
    problem = HostErrorDescription(kErrOutOfMemory) + ": " + path;
  }
  if (!problem.empty()) {
    Message(QStringLiteral("Die Datei konnte nicht geöffnet werden: %1").arg(QString::fromStdString(problem)),
            MsgBoxIcon::kStop);
    return false;
  }
  SetDocument(path, QFileInfo(QString::fromStdString(path)).fileName());
  ShowNotes(notes);
  return true;
}

bool DesignerWindow::Save() {
  if (path_.empty()) return SaveAs();
  return WriteForm(path_);
}

bool DesignerWindow::SaveAs() {
  const std::string path = services_.files.SavePath(this, path_);
  if (path.empty()) return false;
  if (!WriteForm(path)) return false;
  SetDocument(path, QFileInfo(QString::fromStdString(path)).fileName());
  return true;
}

void DesignerWindow::NewForm() {
  if (!SettleChanges()) return;
  canvas_->Clear();
  SetDocument({}, kUntitled);
}

void DesignerWindow::Open() {
  if (!SettleChanges()) return;
  const std::string path = services_.files.OpenPath(this);
  if (!path.empty()) OpenFile(path);
}

void DesignerWindow::AddControl() {
  if (!canvas_->designMode()) return;
  auto control = std::make_unique<VellumarWidget>();
  const QRect geometry(canvas_->FreeSpot(), control->sizeHint());
  VellumarWidget* placed = canvas_->AddControl(std::move(control), NextControlName(*canvas_), geometry);
  canvas_->Select(placed);
  scroll_->ensureWidgetVisible(placed);
  SetModified(true);
}

void DesignerWindow::DeleteSelectedControl() {
  VellumarWidget* selected = canvas_->selected();
  if (!canvas_->designMode() || selected == nullptr) return;
  canvas_->RemoveControl(selected);
  SetModified(true);
}

void DesignerWindow::ShowProperties() {
  VellumarWidget* selected = canvas_->selected();
  if (!canvas_->designMode() || selected == nullptr || !services_.show_properties) return;
  services_.show_properties({&selected->control()}, this);
}

void DesignerWindow::SetDesignMode(bool design) {
  canvas_->SetDesignMode(design);
  (design ? design_mode_ : run_mode_)->setChecked(true);
  mode_label_->setText(design ? QStringLiteral("Entwurfsmodus") : QStringLiteral("Ausführungsmodus"));
  // While the form runs, Alt and a letter belong to the form's access keys, as they would in a form of its
  // own window; the menus stay reachable with the mouse and F10.
  for (const auto& [menu, title] : menu_titles_) {
    menu->setTitle(design ? title : QString(title).remove(QLatin1Char('&')));
  }
  if (design) {
    canvas_->setFocus();
  } else if (!canvas_->controls().empty()) {
    canvas_->controls().front()->setFocus();
  }
  UpdateActions();
}

void DesignerWindow::FitToForm() {
  const QSize form = canvas_->minimumSize();
  const QSize chrome = size() - scroll_->viewport()->size();
  QSize wanted = form + chrome;
  if (const QScreen* screen = this->screen()) wanted = wanted.boundedTo(screen->availableGeometry().size());
  resize(wanted);
}

void DesignerWindow::closeEvent(QCloseEvent* event) {
  if (SettleChanges()) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool DesignerWindow::SettleChanges() {
  if (!isModified()) return true;
  const QString text = QStringLiteral("Die Form „%1“ wurde geändert.\r\nÄnderungen speichern?").arg(title_);
  switch (services_.messages.Show(Text(text), Text(kApplicationName), MsgBoxIcon::kQuestion,
                                  MsgBoxButtons::kYesNoCancel)) {
    case MsgBoxResult::kYes:
      return Save();
    case MsgBoxResult::kNo:
      return true;
    case MsgBoxResult::kCancel:
    case MsgBoxResult::kOk:
      break;
  }
  return false;
}

bool DesignerWindow::WriteForm(const std::string& path) {
  try {
    const Form form = CaptureForm(*canvas_);
    const FormFileLock lock(path);
    SaveForm(form, path);
  } catch (const HostError& error) {
    Message(
        QStringLiteral("Die Datei konnte nicht gespeichert werden: %1").arg(QString::fromUtf8(error.what())),
        MsgBoxIcon::kStop);
    return false;
  }
  SetModified(false);
  statusBar()->showMessage(QStringLiteral("Gespeichert: %1").arg(QString::fromStdString(path)),
                           kStatusMessageMs);
  return true;
}

void DesignerWindow::SetModified(bool modified) {
  setWindowModified(modified);
}

void DesignerWindow::SetDocument(const std::string& path, const QString& title) {
  path_ = path;
  title_ = title;
  setWindowTitle(QStringLiteral("%1[*] – %2").arg(title, kApplicationName));
  SetModified(false);
  UpdateActions();
  UpdateSelectionLabel();
}

void DesignerWindow::UpdateActions() {
  const bool design = canvas_->designMode();
  const bool selected = canvas_->selected() != nullptr;
  add_->setEnabled(design);
  delete_->setEnabled(design && selected);
  properties_->setEnabled(design && selected);
}

void DesignerWindow::UpdateSelectionLabel() {
  const VellumarWidget* selected = canvas_->selected();
  if (selected == nullptr) {
    selection_label_->setText(QStringLiteral("%1 Steuerelement(e)").arg(canvas_->controls().size()));
    return;
  }
  const QRect g = selected->geometry();
  selection_label_->setText(QStringLiteral("%1   %2, %3   %4 × %5")
                                .arg(selected->objectName())
                                .arg(g.left())
                                .arg(g.top())
                                .arg(g.width())
                                .arg(g.height()));
}

void DesignerWindow::ShowNotes(const QStringList& notes) {
  if (!notes.isEmpty()) Message(notes.join(QStringLiteral("\r\n")), MsgBoxIcon::kExclamation);
}

void DesignerWindow::ShowControlError(const QString& name, int number, const QString& description) {
  statusBar()->showMessage(QStringLiteral("%1: Fehler %2: %3").arg(name).arg(number).arg(description),
                           kStatusMessageMs);
}

void DesignerWindow::Message(const QString& text, MsgBoxIcon icon) {
  services_.messages.Show(Text(text), Text(kApplicationName), icon, MsgBoxButtons::kOkOnly);
}

}  // namespace vellumar
