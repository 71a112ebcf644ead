#pragma once

#include <QQuickView>

#include <memory>

// The program's only window: loads the main QML document from the installed
// copy when there is one, else relative to the working directory, and keeps
// the root item sized to the window.
class QmlApplicationViewer : public QQuickView
{
    Q_OBJECT

public:
    enum ScreenOrientation { LockPortrait, LockLandscape, Auto };

    explicit QmlApplicationViewer(QWindow *parent = nullptr);
    ~QmlApplicationViewer() override;

    // Starts reading the main document and the documents it needs on the QML
    // engine's loader thread, and returns at once; setMainQmlFile() with the
    // same file then waits only for what is not read yet. The import paths
    // must be set before.
    void startLoading(const QString &file);
    void setMainQmlFile(const QString &file);
    void addImportPath(const QString &path);
    void setOrientation(ScreenOrientation orientation);
    void showExpanded();

    QString mainQmlFile() const;
    // Every orientation choice made so far; later choices do not clear earlier ones.
    QList<ScreenOrientation> orientationLocks() const;

    static QString adjustPath(const QString &path);

private:
    class Private;
    std::unique_ptr<Private> d;
};
