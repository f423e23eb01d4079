// The test doubles of the services the pages and the form designer ask of the desktop: message boxes, the
// open-file, colour and form-file dialogs, and opening addresses. Each records what it was asked and
// answers from what the test prepared, without a modal loop.
#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "app/designer/designer_services.h"
#include "pages/color_dialog.h"
#include "pages/common_dialog.h"
#include "pages/message_box.h"
#include "pages/url_opener.h"

namespace vellumar {

// Records every call and answers with a fixed result (OK unless the test says otherwise).
class RecordingMessageBox final : public MessageBoxService {
 public:
  struct Call {
    std::string text;
    std::string title;
    MsgBoxIcon icon;
    MsgBoxButtons buttons;
  };

  MsgBoxResult answer = MsgBoxResult::kOk;
  std::vector<Call> calls;

  MsgBoxResult Show(const std::string& text, const std::string& title, MsgBoxIcon icon,
                    MsgBoxButtons buttons) override {
    calls.push_back(Call{text, title, icon, buttons});
    return answer;
  }
};

// Records every address instead of opening it.
class RecordingUrlOpener final : public UrlOpener {
 public:
  std::vector<std::string> opened;
  void Open(const std::string& url) override { opened.push_back(url); }
};

// Answers every request with a prepared colour (nothing: cancel) and records the initial colours.
class ScriptedColorDialog final : public ColorDialogService {
 public:
  std::optional<ColorRef> answer;
  std::vector<ColorRef> initials;

  std::optional<ColorRef> ChooseColor(ColorRef initial, const std::string&) override {
    initials.push_back(initial);
    return answer;
  }
};

// Records the requests and answers each with the next prepared path ("" when none is left: cancel).
class ScriptedFileDialog final : public FileDialogService {
 public:
  std::vector<std::string> answers;
  std::vector<OpenFileRequest> requests;

  std::string GetOpenFileName(const OpenFileRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return {};
    std::string answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
};

// Answers each question with the next prepared path ("" once none is left: cancelled).
class ScriptedFormFileDialogs final : public FormFileDialogs {
 public:
  std::vector<std::string> open_answers;
  std::vector<std::string> save_answers;
  int open_asked = 0;
  int save_asked = 0;

  std::string OpenPath(QWidget*) override { return Next(open_answers, open_asked); }
  std::string SavePath(QWidget*, const std::string&) override { return Next(save_answers, save_asked); }

 private:
  static std::string Next(std::vector<std::string>& answers, int& asked) {
    ++asked;
    if (answers.empty()) return {};
    std::string answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
};

}  // namespace vellumar
