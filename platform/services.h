#pragma once
// Message boxes, starting programs, and numbers as text.
#include <QString>
#include <functional>

class QWidget;

namespace zq {

inline constexpr int kWarningStyle = 48;
inline constexpr int kAnswerOk = 1;
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

// Numbers as text. Val always reads "." as the decimal point; the others follow the
// user's locale, without digit grouping.
double Val(const QString& text);
QString CStr(double v);           // at most 15 significant digits
double CDbl(const QString& text); // throws RuntimeError on a text that is not a number
QString Format(double v, const QString& pattern); // "0.00" and "0" patterns
QString decimalPoint();

} // namespace zq
