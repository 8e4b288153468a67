// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer window: a text browser showing the help file.
#include "HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <string>

#include "Translate.h"

namespace tenebrix::platform {

namespace {

constexpr QSize kWindowSize(480, 560);
constexpr int kGapToOwner = 8;
// The manual is a few pages; a file far larger is not it, and loading it
// whole would stall the game.
constexpr qint64 kMaxHelpFileSize = 8 * 1024 * 1024;
// The anchor the help file puts on its contents page.
constexpr const char* kContentsAnchor = "contents";

std::optional<QString> readHelpText(const QString& path) {
    const QFileInfo info(path);
    // Only regular files are opened: a FIFO would block the game on open.
    if (!info.isFile() || info.size() > kMaxHelpFileSize) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return QString::fromUtf8(file.read(kMaxHelpFileSize));
}

// To the right of the game, or to its left when the right has no room, and
// always on the game's screen.
QPoint placeBeside(const QWidget& owner, QSize size) {
    const QRect game = owner.frameGeometry();
    const QScreen* screen = owner.screen() ? owner.screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(QPoint(), size);
    int left = game.right() + 1 + kGapToOwner;
    if (left + size.width() > room.right() + 1) {
        left = game.left() - kGapToOwner - size.width();
    }
    left = std::clamp(left, room.left(), std::max(room.left(), room.right() + 1 - size.width()));
    const int top =
        std::clamp(game.top(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height()));
    return {left, top};
}

}  // namespace

HelpWindow::HelpWindow() = default;
HelpWindow::~HelpWindow() = default;

QWidget* HelpWindow::window() const {
    return m_window.get();
}

void HelpWindow::showContents(QWidget* owner, const QString& helpFile) {
    if (!m_window) {
        createWindow(owner);
    }
    load(helpFile);
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

// A window of its own rather than a child of the game's, as a help viewer is:
// the game stays usable beside it, and it must not keep the program running
// once the game has closed.
void HelpWindow::createWindow(QWidget* owner) {
    m_window = std::make_unique<QWidget>();
    m_window->setObjectName(QStringLiteral("helpWindow"));
    // TRANSLATORS: Title of the help viewer's window (Linux).
    m_window->setWindowTitle(QString::fromStdString(i18n::tr("Tenebrix Help")));
    m_window->setAttribute(Qt::WA_QuitOnClose, false);
    m_window->resize(kWindowSize);
    if (owner) {
        m_window->move(placeBeside(*owner, kWindowSize));
    }
    m_browser = new QTextBrowser(m_window.get());
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
}

void HelpWindow::load(const QString& helpFile) {
    const auto text = readHelpText(helpFile);
    if (!text) {
        // TRANSLATORS: Help viewer (Linux): %1 is the help file's path.
        // xgettext:qt-format
        const std::string unread = i18n::tr("The help file %1 could not be opened.");
        m_browser->setPlainText(QString::fromStdString(unread).replace(
            QLatin1String("%1"), QDir::toNativeSeparators(helpFile)));
        return;
    }
    m_browser->setSearchPaths({QFileInfo(helpFile).absolutePath()});
    if (Qt::mightBeRichText(*text)) {
        m_browser->setHtml(*text);
    } else {
        m_browser->setPlainText(*text);
    }
    m_browser->verticalScrollBar()->setValue(0);
    m_browser->scrollToAnchor(QString::fromLatin1(kContentsAnchor));
}

}  // namespace tenebrix::platform
