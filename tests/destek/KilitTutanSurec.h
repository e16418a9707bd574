#pragma once

#include <QProcess>
#include <QString>

// Another process holding a lock on a database file for as long as this object lives.
class KilitTutanSüreç {
public:
    enum class Kilit { Yazma, Özel };

    KilitTutanSüreç(const QString& yol, Kilit kilit);
    ~KilitTutanSüreç();
    KilitTutanSüreç(const KilitTutanSüreç&) = delete;
    KilitTutanSüreç& operator=(const KilitTutanSüreç&) = delete;

    // True once the other process has said that it holds the lock.
    bool tutuyor() const { return m_tutuyor; }
    // Lets the lock go and waits for the process to end.
    void Bırak();

private:
    QProcess m_süreç;
    bool m_tutuyor = false;
};
