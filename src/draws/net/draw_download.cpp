#include "draws/net/draw_download.h"

#include "draws/draw_update.h"
#include "framework/localize.h"
#include "model/format.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QUrl>

namespace {

constexpr uint16_t kTextSinRespuesta = 45466; // "El servidor no ha respondido en %d segundos"
constexpr uint16_t kTextCancelada = 45467;    // "Descarga cancelada; ..."
// While a window keeps the archive open, the update looks again this often.
constexpr int kMayWriteRetryMs = 500;

QString Text(uint16_t id, std::initializer_list<FormatArg> args = {})
{
    return QString::fromStdString(FormatText(GetText(id), args));
}

bool IsLoopback(const QUrl &url)
{
    const QString host = url.host();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

} // namespace

TDrawDownload::TDrawDownload(QObject *parent) : QObject(parent), manager_(new QNetworkAccessManager(this))
{
    // A user behind a proxy has it in the system's settings (http_proxy...).
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    idle_.setSingleShot(true);
    connect(&idle_, &QTimer::timeout, this,
            [this] { Abort(Text(kTextSinRespuesta, {static_cast<long long>((timeoutMs_ + 999) / 1000)})); });
}

TDrawDownload::~TDrawDownload()
{
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
    }
}

// Some of the operator's servers refuse clients that do not look like a browser.
QString TDrawDownload::UserAgent()
{
    return QStringLiteral("Mozilla/5.0 (X11; Linux x86_64; rv:128.0) Gecko/20100101 Firefox/128.0");
}

void TDrawDownload::Start(const QString &address)
{
    if (reply_)
        return;
    data_.clear();
    reason_.clear();
    tlsErrors_.clear();
    cancelled_ = false;
    const QUrl url(address);
    manager_->setProxy(IsLoopback(url) ? QNetworkProxy(QNetworkProxy::NoProxy)
                                       : QNetworkProxy(QNetworkProxy::DefaultProxy));
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, UserAgent());
    request.setRawHeader("Accept", "application/zip, text/csv, */*");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    reply_ = manager_->get(request);
    connect(reply_, &QNetworkReply::readyRead, this, &TDrawDownload::OnReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &TDrawDownload::OnFinished);
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
        const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && TooBig(length.toLongLong()))
            Abort(Text(kTextDescargaGrande, {static_cast<long long>(maxBytes_ / (1024 * 1024))}));
    });
#ifndef QT_NO_SSL
    connect(reply_, &QNetworkReply::sslErrors, this, [this](const QList<QSslError> &errors) {
        for (const QSslError &error : errors)
            tlsErrors_ << error.errorString();
    });
#endif
    idle_.start(timeoutMs_);
}

void TDrawDownload::Cancel()
{
    if (!reply_)
        return;
    cancelled_ = true;
    Abort(Text(kTextCancelada));
}

void TDrawDownload::OnReadyRead()
{
    if (!reply_)
        return;
    idle_.start(timeoutMs_);
    data_ += reply_->readAll();
    if (TooBig(data_.size())) {
        Abort(Text(kTextDescargaGrande, {static_cast<long long>(maxBytes_ / (1024 * 1024))}));
        return;
    }
    // Qt's own downloadProgress is held back to one every 100 ms: a server
    // that stops early would never be seen to have sent anything.
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    emit Progress(data_.size(), length.isValid() ? length.toLongLong() : -1);
}

// The reason is set first: abort() finishes the reply at once, and its own
// words ("Operation canceled") would hide ours.
void TDrawDownload::Abort(const QString &reason)
{
    if (!reply_)
        return;
    if (reason_.isEmpty())
        reason_ = reason;
    reply_->abort();
}

void TDrawDownload::OnFinished()
{
    idle_.stop();
    QNetworkReply *reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();
    bool ok = reason_.isEmpty();
    if (ok) {
        data_ += reply->readAll();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() != QNetworkReply::NoError) {
            reason_ = status > 0
                          ? QStringLiteral("HTTP %1 %2 (%3)")
                                .arg(status)
                                .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString(),
                                     reply->errorString())
                          : reply->errorString();
            if (!tlsErrors_.isEmpty())
                reason_ += QStringLiteral(" [") + tlsErrors_.join(QStringLiteral("; ")) + QLatin1Char(']');
            ok = false;
        } else if (TooBig(data_.size())) {
            reason_ = Text(kTextDescargaGrande, {static_cast<long long>(maxBytes_ / (1024 * 1024))});
            ok = false;
        }
    }
    if (!ok)
        data_.clear();
    emit Finished(ok);
}

TDrawUpdate::TDrawUpdate(std::string archivePath, TGameEdition edition, QObject *parent)
    : QObject(parent), archivePath_(std::move(archivePath)), edition_(edition)
{
    download_.SetMaxBytes(kMaxDescargaBytes);
    connect(&download_, &TDrawDownload::Progress, this, &TDrawUpdate::Progress);
    connect(&download_, &TDrawDownload::Finished, this, &TDrawUpdate::OnDownloaded);
}

QStringList TDrawUpdate::Addresses(const QString &configured)
{
    QStringList addresses;
    for (const std::string &address : DrawAddresses(configured.trimmed().toStdString()))
        addresses << QString::fromStdString(address);
    return addresses;
}

void TDrawUpdate::Start(const QStringList &addresses)
{
    if (running_)
        return;
    running_ = true;
    cancelled_ = false;
    pending_ = addresses;
    failures_.clear();
    message_.clear();
    informe_ = {};
    total_ = 0;
    Next();
}

bool TDrawUpdate::Run(const QStringList &addresses)
{
    QEventLoop loop;
    bool result = false;
    const QMetaObject::Connection done = connect(this, &TDrawUpdate::Finished, &loop, [&](bool ok) {
        result = ok;
        loop.quit();
    });
    Start(addresses);
    if (running_)
        loop.exec();
    disconnect(done);
    return result;
}

void TDrawUpdate::Cancel()
{
    if (!running_)
        return;
    cancelled_ = true;
    pending_.clear();
    if (download_.Running()) {
        download_.Cancel();
    } else { // downloaded, waiting to write
        message_ = Text(kTextCancelada);
        Finish(false);
    }
}

void TDrawUpdate::Next()
{
    if (pending_.isEmpty()) {
        message_ = failures_.join(QLatin1Char('\n'));
        Finish(false);
        return;
    }
    address_ = pending_.takeFirst();
    emit Started(address_);
    download_.SetTimeout(timeoutMs_);
    download_.Start(address_);
}

void TDrawUpdate::OnDownloaded(bool ok)
{
    if (cancelled_) {
        message_ = download_.Reason();
        Finish(false);
        return;
    }
    if (!ok) {
        failures_ << address_ + QStringLiteral(": ") + download_.Reason();
        Next();
        return;
    }
    Import();
}

void TDrawUpdate::Import()
{
    if (!running_)
        return; // cancelled while waiting
    if (mayWrite_ && !mayWrite_()) {
        QTimer::singleShot(kMayWriteRetryMs, this, &TDrawUpdate::Import);
        return;
    }
    try {
        const QByteArray &data = download_.Data();
        informe_ = ImportDownload(std::string_view(data.constData(), static_cast<size_t>(data.size())),
                                  address_.toStdString(), archivePath_, edition_, &total_);
    } catch (const EDescargaSorteosError &error) { // this address's file: another may do
        failures_ << address_ + QStringLiteral(": ") + QString::fromStdString(error.Message());
        Next();
        return;
    } catch (const std::exception &error) { // the archive itself: no address helps
        failures_ << QString::fromStdString(archivePath_ + ": " + error.what());
        message_ = failures_.join(QLatin1Char('\n'));
        Finish(false);
        return;
    }
    Finish(true);
}

void TDrawUpdate::Finish(bool ok)
{
    running_ = false;
    emit Finished(ok);
}
