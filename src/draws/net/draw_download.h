#pragma once

#include "draws/draw_import.h"
#include "model/game_rules.h"

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <string>

class QNetworkAccessManager;

// Fetches one address with Qt Network: an ordinary browser's User-Agent,
// redirects followed, the system's proxy settings (none for this machine's
// own addresses). It gives up after the timeout without a byte from the
// server and as soon as the body passes the size limit; Cancel stops at once.
class TDrawDownload : public QObject {
    Q_OBJECT

public:
    explicit TDrawDownload(QObject *parent = nullptr);
    ~TDrawDownload() override;

    void SetTimeout(int milliseconds) { timeoutMs_ = milliseconds; }
    void SetMaxBytes(qint64 bytes) { maxBytes_ = bytes; }
    static QString UserAgent();

    void Start(const QString &address);
    void Cancel();
    bool Running() const { return reply_ != nullptr; }
    bool Cancelled() const { return cancelled_; }

    // After Finished: the body when it succeeded, else why not (the
    // server's status and Qt's own words, TLS errors included).
    const QByteArray &Data() const { return data_; }
    const QString &Reason() const { return reason_; }

signals:
    void Progress(qint64 received, qint64 total); // total -1 while unknown
    void Finished(bool ok);

private:
    void OnReadyRead();
    void OnFinished();
    void Abort(const QString &reason);
    bool TooBig(qint64 bytes) const { return maxBytes_ > 0 && bytes > maxBytes_; }

    QNetworkAccessManager *manager_ = nullptr;
    QPointer<QNetworkReply> reply_;
    QTimer idle_;
    int timeoutMs_ = 30000;
    qint64 maxBytes_ = 0;
    QByteArray data_;
    QString reason_;
    QStringList tlsErrors_;
    bool cancelled_ = false;
};

// Brings an archive file up to date from the results file: each address in
// turn until one gives a file the history import takes (ImportDownload,
// saved through the safe save), so that a page of error or a broken file
// from one place does not end the search. Whatever fails, the archive file
// is left as it was.
class TDrawUpdate : public QObject {
    Q_OBJECT

public:
    TDrawUpdate(std::string archivePath, TGameEdition edition, QObject *parent = nullptr);

    void SetTimeout(int milliseconds) { timeoutMs_ = milliseconds; }
    // Asked before the archive is written; while it says no, the update
    // waits (the desktop holds it while a window has the archive open).
    void SetMayWrite(std::function<bool()> mayWrite) { mayWrite_ = std::move(mayWrite); }

    void Start(const QStringList &addresses);
    // Start, then serve the event loop until it ends; true when the archive
    // was read and saved.
    bool Run(const QStringList &addresses);
    void Cancel();
    bool Running() const { return running_; }
    bool Cancelled() const { return cancelled_; }

    // After a success: the address used, the import's report, the archive's
    // draws. After a failure: one line per address tried, "<address>:
    // <reason>", or the cancel text.
    const QString &Address() const { return address_; }
    const TImportReport &Informe() const { return informe_; }
    int Total() const { return total_; }
    const QString &Message() const { return message_; }

    // The addresses of the parameter: its address and, for the operator's
    // own, the other places of the same file.
    static QStringList Addresses(const QString &configured);

signals:
    void Started(const QString &address);
    void Progress(qint64 received, qint64 total);
    void Finished(bool ok);

private:
    void Next();
    void OnDownloaded(bool ok);
    void Import();
    void Finish(bool ok);

    std::string archivePath_;
    TGameEdition edition_;
    TDrawDownload download_;
    std::function<bool()> mayWrite_;
    int timeoutMs_ = 30000;
    QStringList pending_;
    QString address_;
    QStringList failures_;
    QString message_;
    TImportReport informe_;
    int total_ = 0;
    bool running_ = false;
    bool cancelled_ = false;
};
