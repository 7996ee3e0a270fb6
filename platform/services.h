// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Message boxes, starting programs, and the user's decimal separator.
#include <QString>
#include <functional>

class QLocale;
class QWidget;

namespace zq {

inline constexpr int kWarningStyle = 48;
inline constexpr int kQuestionStyle = 32;
inline constexpr int kYesNoStyle = 4; // added to an icon's style
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
inline constexpr int kMaximizedFocus = 3;

// The modal message box. Tests put a recorder in its place.
class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    virtual int show(QWidget* parent, const QString& prompt, int style, const QString& title) = 0;
};
// nullptr restores the real box. The service is not owned.
void setMessageBoxService(MessageBoxService* s);
int MsgBox(const QString& prompt, int style, const QString& title);

// Starting another program. A failure throws RuntimeError.
class ShellService {
  public:
    virtual ~ShellService() = default;
    virtual void start(const QString& command, int windowStyle) = 0;
};
void setShellService(ShellService* s);
double Shell(const QString& command, int windowStyle);

// A command line split into its program and the rest: the program is the longest
// leading run that names an existing file, else the text up to the first blank.
struct CommandLine {
    QString program;
    QString arguments;
};
CommandLine splitCommandLine(const QString& command,
                             const std::function<bool(const QString&)>& exists);

// The user's decimal separator, handed to the value calculation; reading and writing
// numbers as text is the model's.
QString decimalPoint();
// The locale the windows write numbers in; its decimal point is handed to the wording layer.
void useLocale(const QLocale& locale);

} // namespace zq
