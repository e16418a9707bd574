#pragma once

#include <QTemporaryDir>

// A small file system of its own (tmpfs) on a temporary folder, mounted where only
// this process sees it. Once filled, every write that needs new space fails as on
// a full disk. Mounting needs root; without it the disk is not ready.
class KüçükDisk {
public:
    explicit KüçükDisk(int kilobayt);
    ~KüçükDisk();
    KüçükDisk(const KüçükDisk&) = delete;
    KüçükDisk& operator=(const KüçükDisk&) = delete;

    bool hazır() const { return m_bağlı; }
    QString klasör() const { return m_dizin.path(); }

    // Takes up every free byte with a file of its own, and gives the room back.
    bool Doldur();
    void Boşalt();

private:
    QTemporaryDir m_dizin;
    bool m_bağlı = false;
};
