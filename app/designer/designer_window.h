// The form designer's main window: the menus (Datei, Bearbeiten, Ansicht, Hilfe), a toolbar, the canvas
// with the form's controls in a scroll area, and a status bar. It keeps the form's file and whether the form
// differs from it, and asks before changes would be lost.
#pragma once

#include <QtCore/QList>
#include <QtCore/QPair>
#include <QtWidgets/QMainWindow>
#include <string>

#include "app/designer/designer_services.h"
#include "platform/form_file/form_file.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QScrollArea;

namespace vellumar {

class FormCanvas;
class VellumarWidget;

class DesignerWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // services must outlive the window.
  explicit DesignerWindow(DesignerServices services, QWidget* parent = nullptr);
  ~DesignerWindow() override;

  // Shows a form that belongs to no file (such as the demo) under title; it counts as unchanged, and saving
  // it asks for a file.
  void ShowUntitledForm(const Form& form, const QString& title);
  // Opens a form file in place of the current form (which is not asked about). false, after a message,
  // when the file cannot be read; the current form then stays.
  bool OpenFile(const std::string& path);
  // Speichern: to the form's file, or, without one, as Speichern unter. false when not saved (cancelled or
  // failed, with a message).
  bool Save();
  // Speichern unter: asks for a file and saves there; the form then belongs to that file.
  bool SaveAs();
  // Neu: an empty form without a file, once the user has settled the changes of the current one.
  void NewForm();
  // Öffnen…: settles the changes, asks for a file and opens it.
  void Open();

  // Bearbeiten, design mode only: a new control below the others (InitProperties), selected; the selected
  // control removed; the selected control's property sheet.
  void AddControl();
  void DeleteSelectedControl();
  void ShowProperties();
  // Design mode: the controls are inert and the overlay edits them. Run mode: the controls act as for an
  // end user, the first one takes the focus, and the menus give up their access keys to the form's.
  void SetDesignMode(bool design);

  FormCanvas& canvas() { return *canvas_; }
  const std::string& path() const { return path_; }
  bool isModified() const { return isWindowModified(); }
  // Resizes the window so that the whole form shows, within the screen's available area.
  void FitToForm();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildActions();
  void BuildMenus();
  QMenu* AddMenu(const QString& title);
  void BuildToolBar();
  // Asks whether to save a changed form first: true to go on (saved, or not wanted), false to stop.
  bool SettleChanges();
  bool WriteForm(const std::string& path);
  void SetModified(bool modified);
  void SetDocument(const std::string& path, const QString& title);
  void UpdateActions();
  void UpdateSelectionLabel();
  void ShowNotes(const QStringList& notes);
  void ShowControlError(const QString& name, int number, const QString& description);
  void Message(const QString& text, MsgBoxIcon icon);

  DesignerServices services_;
  FormCanvas* canvas_;
  QScrollArea* scroll_;
  std::string path_;  // the form's file, empty for a form without one
  QString title_;     // the form's name in the title bar
  QLabel* mode_label_ = nullptr;
  QLabel* selection_label_ = nullptr;
  QAction* new_ = nullptr;
  QAction* open_ = nullptr;
  QAction* save_ = nullptr;
  QAction* save_as_ = nullptr;
  QAction* quit_ = nullptr;
  QAction* add_ = nullptr;
  QAction* delete_ = nullptr;
  QAction* properties_ = nullptr;
  QAction* design_mode_ = nullptr;
  QAction* run_mode_ = nullptr;
  QAction* about_ = nullptr;
  QActionGroup* modes_ = nullptr;
  QList<QPair<QMenu*, QString>> menu_titles_;  // each menu with its title and access key
};

}  // namespace vellumar
