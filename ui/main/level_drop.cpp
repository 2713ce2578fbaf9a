#include "ui/main/level_drop.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "storage/level_import.h"
#include "ui/dialogs/level_browser.h"
#include "ui/main/main_window.h"

namespace drippo::ui {

namespace {

QStringList local_files(const QMimeData* data) {
  QStringList files;
  if (data == nullptr || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) files << url.toLocalFile();
  }
  return files;
}

// A path as the file system knows it: bytes, which need not be UTF-8.
std::filesystem::path file_path(const QString& path) {
  const QString local = path.startsWith("file:") ? QUrl(path).toLocalFile() : path;
  return std::filesystem::path(QFile::encodeName(local).toStdString());
}

}  // namespace

LevelDrop::LevelDrop(QWidget& target, MainWindow& window, Show show)
    : QObject(&target), target_(target), window_(window), show_(std::move(show)) {
  target_.setAcceptDrops(true);
  target_.installEventFilter(this);
}

bool LevelDrop::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &target_) return false;
  if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
    auto* drag = static_cast<QDragMoveEvent*>(event);
    if (local_files(drag->mimeData()).isEmpty()) return false;
    drag->setDropAction(Qt::CopyAction);
    drag->accept();
    return true;
  }
  if (event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList files = local_files(drop->mimeData());
    if (files.isEmpty()) return false;
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    // The file manager waits for the drop to end: questions and the browser
    // come after it.
    QTimer::singleShot(0, this, [this, files] { add_files(files); });
    return true;
  }
  return false;
}

bool LevelDrop::add_files(const QStringList& paths) {
  std::string last;
  for (const QString& path : paths) {
    if (std::string added = add(file_path(path)); !added.empty()) last = std::move(added);
  }
  if (last.empty()) return false;
  show_(last);
  return true;
}

std::string LevelDrop::add(const std::filesystem::path& file) {
  const std::int16_t langue = window_.game().settings().langue;
  const auto may_replace = [&](const std::string& file_name) {
    const QString shown = shown_file_name(std::filesystem::path(file_name).stem().string());
    const QString question = langue == 0
        ? QString::fromUtf8("Le tableau « %1 » existe déjà. Voulez-vous le remplacer ?").arg(shown)
        : QString("The level \"%1\" already exists. Do you want to replace it?").arg(shown);
    return window_.questions().ask_yes_no(&target_, question, langue);
  };
  const auto imported = import_level(file, window_.folder(), may_replace);
  if (imported) return imported.value().file_name;
  const std::string why = imported.error().message(langue);
  if (!why.empty()) window_.questions().tell(&target_, QString::fromStdString(why));
  return {};
}

LevelDrop* accept_level_drops(MainWindow& window) {
  return new LevelDrop(window, window, [&window](const std::string& file) { window.play_from_browser(file); });
}

void accept_level_drops(LevelBrowser& browser, MainWindow& window) {
  new LevelDrop(browser, window, [&browser](const std::string& file) { browser.show_level(file); });
}

}  // namespace drippo::ui
