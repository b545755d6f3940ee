#include "ui/SettingsAlerts.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>
#include <utility>

#include "ui/SmallDialog.h"

namespace {

constexpr int RetryMs = 100;

QString Why(SettingsStore::Failure::Cause cause, Language language) {
    using Cause = SettingsStore::Failure::Cause;
    switch (cause) {
        case Cause::FolderCannotBeMade:
            return Pick(language, QStringLiteral("Der Ordner dafür lässt sich nicht anlegen."),
                        QStringLiteral("Its folder cannot be made."));
        case Cause::FolderReadOnly:
            return Pick(language, QStringLiteral("Der Ordner ist schreibgeschützt."),
                        QStringLiteral("Its folder is read-only."));
        case Cause::FileReadOnly:
            return Pick(language, QStringLiteral("Die Datei ist schreibgeschützt."),
                        QStringLiteral("The file is read-only."));
        case Cause::FolderInPlaceOfFile:
            return Pick(language, QStringLiteral("An Stelle der Datei steht ein Ordner."),
                        QStringLiteral("A folder stands where the file belongs."));
        case Cause::TooLarge:
        case Cause::NotAFile:
        case Cause::Unknown:
            break;
    }
    return Pick(language, QStringLiteral("Das System lässt das Schreiben nicht zu."),
                QStringLiteral("The system does not let the game write it."));
}

}  // namespace

SettingsAlerts::SettingsAlerts(QWidget& mainWindow) : window(mainWindow) {
    retry.setSingleShot(true);
    retry.setInterval(RetryMs);
    connect(&retry, &QTimer::timeout, this, &SettingsAlerts::ShowWhenIdle);
}

std::unique_ptr<SettingsStore> SettingsAlerts::OpenStore() {
    auto store =
        std::make_unique<SettingsStore>([this](const SettingsStore::Failure& failure) { Report(failure); });
    store->SetAsideIfAbsurd();
    store->RemoveStaleWrites();
    return store;
}

void SettingsAlerts::SetLanguage(const Language& chosen) {
    language = &chosen;
}

void SettingsAlerts::SetRunner(Runner run) {
    runner = std::move(run);
}

void SettingsAlerts::WindowReady() {
    windowReady = true;
    if (first) retry.start(0);
}

void SettingsAlerts::Silence() {
    silenced = true;
    retry.stop();
}

QString SettingsAlerts::NoticeText(const SettingsStore::Failure& failure, Language in) {
    using Kind = SettingsStore::Failure::Kind;
    const QString where = QDir::toNativeSeparators(failure.file);
    switch (failure.kind) {
        case Kind::DamagedValue:
            return Pick(
                in,
                QStringLiteral("Der Wert „%1“ in\n%2\nist beschädigt. Das Spiel nimmt dafür die Vorgabe.")
                    .arg(failure.name, where),
                QStringLiteral("The value \"%1\" in\n%2\nis damaged. The game uses its default instead.")
                    .arg(failure.name, where));
        case Kind::SetAside:
            if (failure.cause == SettingsStore::Failure::Cause::NotAFile) {
                return Pick(
                    in,
                    QStringLiteral("Die Einstellungen waren keine gewöhnliche Datei. Sie liegen jetzt "
                                   "unter\n%1\nDas Spiel beginnt mit den Vorgaben.")
                        .arg(where),
                    QStringLiteral("The settings were not a plain file. They have been put aside as\n%1\n"
                                   "The game starts with its defaults.")
                        .arg(where));
            }
            return Pick(
                in,
                QStringLiteral("Die Einstellungen waren viel größer, als das Spiel sie je schreibt. Sie "
                               "liegen jetzt unter\n%1\nDas Spiel beginnt mit den Vorgaben.")
                    .arg(where),
                QStringLiteral("The settings were far larger than the game ever writes them. They have "
                               "been put aside as\n%1\nThe game starts with its defaults.")
                    .arg(where));
        case Kind::NotWritten:
            break;
    }
    return Pick(
        in,
        QStringLiteral("Die Einstellungen lassen sich nicht speichern in\n%1\n%2\nDu kannst weiterspielen: "
                       "Ergebnisse und Einstellungen bleiben erhalten, solange das Spiel läuft, und werden "
                       "gespeichert, sobald es wieder geht.")
            .arg(where, Why(failure.cause, in)),
        QStringLiteral("The settings cannot be saved in\n%1\n%2\nYou can play on: your results and "
                       "settings are kept while the game runs and saved as soon as that works again.")
            .arg(where, Why(failure.cause, Language::English)));
}

void SettingsAlerts::Report(const SettingsStore::Failure& failure) {
    qWarning("%s (%s)", qUtf8Printable(failure.Message()),
             qUtf8Printable(QDir::toNativeSeparators(failure.file)));
    if (silenced || noticeShown || first) return;
    first = failure;
    // Never from inside the write: the code that wrote goes on first, and a notice is no reason to
    // hold up the end of a run.
    retry.start(0);
}

void SettingsAlerts::ShowWhenIdle() {
    if (silenced || noticeShown || !first) return;
    if (!windowReady || language == nullptr || !window.isVisible() ||
        QApplication::activeModalWidget() != nullptr) {
        retry.start(RetryMs);
        return;
    }
    noticeShown = true;
    auto* box = new QMessageBox(QMessageBox::Warning, window.windowTitle(), NoticeText(*first, *language),
                                QMessageBox::Ok, &window);
    box->setObjectName(QStringLiteral("SettingsNotice"));
    SmallDialog::GuardInput(*box);
    if (runner) {
        runner(*box);
    } else {
        box->exec();
    }
    box->deleteLater();
}
