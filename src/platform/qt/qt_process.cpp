// Starting and polling external programs with QProcess. Waiting blocks in waitForFinished, so
// no input reaches the windows meanwhile; the caller repaints between polls.
#include "platform/qt/qt_process.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace selvana {
namespace {

// How long a program may take to come up before its start counts as failed.
constexpr int kStartTimeoutMs = 10000;

class QtStartedProgram : public StartedProgram {
 public:
  ProgramState WaitFor(int ms) override {
    if (process.waitForFinished(ms)) return ProgramState::Ended;
    if (process.state() != QProcess::NotRunning) return ProgramState::Running;
    return process.error() == QProcess::Crashed ? ProgramState::Ended : ProgramState::ExitUnknown;
  }

  QProcess process;
};

// The executable of program: in folder when it is there, else on the search path; empty when
// it is nowhere.
QString FindProgram(const QString& program, const QString& folder) {
  const QFileInfo local(QDir(folder), program);
  if (local.isFile() && local.isExecutable()) return local.absoluteFilePath();
  return QStandardPaths::findExecutable(program);
}

}  // namespace

std::unique_ptr<StartedProgram> QtProgramLauncher::Start(const std::string& commandLine,
                                                         const std::string& folder) {
  QStringList words = QProcess::splitCommand(QString::fromStdString(commandLine));
  if (words.isEmpty()) return nullptr;
  const QString dir = QString::fromStdString(folder);
  const QString executable = FindProgram(words.takeFirst(), dir);
  if (executable.isEmpty()) return nullptr;
  auto started = std::make_unique<QtStartedProgram>();
  started->process.setWorkingDirectory(dir);
  started->process.start(executable, words);
  if (!started->process.waitForStarted(kStartTimeoutMs)) return nullptr;
  return started;
}

}  // namespace selvana
