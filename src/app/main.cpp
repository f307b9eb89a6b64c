#include "invitation.h"
#include "programfolder.h"
#include "programicon.h"
#include "protocol.h"
#include "singleinstance.h"
#include "startupstamp.h"
#include "tchat.h"
#include "tdownload.h"
#include "tgamestart.h"
#include "tserver.h"
#include "ttallylist.h"
#include "unhandlederror.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

namespace {

QtMessageHandler g_defaultHandler = nullptr;

// A machine without audio output stays silent and says nothing about it.
void quietAudioWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("PulseAudioService:"))) {
        return;
    }
    g_defaultHandler(type, context, text);
}

} // namespace

int main(int argc, char* argv[]) {
    g_defaultHandler = qInstallMessageHandler(quietAudioWarnings);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hearts"));
    QApplication::setApplicationVersion(QString::fromLatin1(protocol::kVersion));
    // Ties the windows to the desktop entry (and its icon) on Wayland and X11.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.orvane.Hearts"));
    QApplication::setWindowIcon(programIcon());

    QStringList params = QApplication::arguments();
    params.removeFirst();
    // "hearts hearts://…", as the desktop starts it for a clicked link.
    const QString link = params.size() == 1 && invitation::looksLikeLink(params[0].toStdString())
                             ? params[0]
                             : QString();

    SingleInstance instance(SingleInstance::keyForThisUser());
    if (!instance.claim(link)) {
        return 0;
    }

    // The windows, in their order; the first is the main window.
    Tchat chat(params);
    Tchat::Windows windows = chat.makeSideWindows();
    windows.server = new TServer(&chat);
    chat.attach(windows);
    windows.tallylist->loadFile(QDir(programFolder()).filePath(QStringLiteral("agametally.tld")));

    windows.server->botSpeed = [&chat] { return chat.botSpeedMs(); };
    windows.server->onInternalError = [&chat](const QString& text) {
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Hearts"), text,
                                    QMessageBox::Ok, &chat);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    };
    unhandlederror::setHandler([&chat](const QString& text) {
        auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Hearts"), text,
                                    QMessageBox::Ok, &chat);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
    QObject::connect(&instance, &SingleInstance::activationRequested, &chat, &Tchat::bringForward);
    QObject::connect(&instance, &SingleInstance::invitationReceived, &chat, &Tchat::openInvitation);

    StartupStamp::watch(&chat.board(), [&chat] { return chat.state().hand().cards.count() > 0; });
    chat.placeWindow();
    chat.show();
    const int result = QApplication::exec();
    QString tallyError;
    if (!windows.tallylist->save(&tallyError)) {
        QMessageBox::warning(nullptr, QStringLiteral("Hearts"),
                             QStringLiteral("The tally could not be saved (%1). The tally file is "
                                            "as it was.")
                                 .arg(tallyError));
    }
    unhandlederror::setHandler(nullptr);
    return result;
}
