// A disk with no room left, as SQLite sees it: its own file system, except that no write lands and
// no shared-memory index can be made. Registered as the default while it lives.
#pragma once

#include <sqlite3.h>

class CFullDisk {
public:
    CFullDisk()
    {
        s_pBase = sqlite3_vfs_find(nullptr);
        m_vfs = *s_pBase;
        m_vfs.zName = "vq-full-disk";
        m_vfs.szOsFile = static_cast<int>(sizeof(CFile)) + s_pBase->szOsFile;
        m_vfs.xOpen = &Open;
        sqlite3_vfs_register(&m_vfs, 1);
    }
    ~CFullDisk()
    {
        sqlite3_vfs_unregister(&m_vfs);
        sqlite3_vfs_register(s_pBase, 1);
    }
    CFullDisk(const CFullDisk&) = delete;
    CFullDisk& operator=(const CFullDisk&) = delete;

private:
    struct CFile {
        sqlite3_file base;
        sqlite3_file* pReal;
    };
    static sqlite3_file* Real(sqlite3_file* f) { return reinterpret_cast<CFile*>(f)->pReal; }

    static int Open(sqlite3_vfs*, const char* szName, sqlite3_file* f, int flags, int* pOut)
    {
        auto* file = reinterpret_cast<CFile*>(f);
        file->pReal = reinterpret_cast<sqlite3_file*>(file + 1);
        const int rc = s_pBase->xOpen(s_pBase, szName, file->pReal, flags, pOut);
        file->base.pMethods = rc == SQLITE_OK ? &s_methods : nullptr;
        return rc;
    }

    static inline sqlite3_vfs* s_pBase = nullptr;
    static inline const sqlite3_io_methods s_methods = {
        2,
        [](sqlite3_file* f) { return Real(f)->pMethods->xClose(Real(f)); },
        [](sqlite3_file* f, void* p, int n, sqlite3_int64 off) { return Real(f)->pMethods->xRead(Real(f), p, n, off); },
        [](sqlite3_file*, const void*, int, sqlite3_int64) { return SQLITE_FULL; },
        [](sqlite3_file* f, sqlite3_int64 n) { return Real(f)->pMethods->xTruncate(Real(f), n); },
        [](sqlite3_file* f, int flags) { return Real(f)->pMethods->xSync(Real(f), flags); },
        [](sqlite3_file* f, sqlite3_int64* p) { return Real(f)->pMethods->xFileSize(Real(f), p); },
        [](sqlite3_file* f, int n) { return Real(f)->pMethods->xLock(Real(f), n); },
        [](sqlite3_file* f, int n) { return Real(f)->pMethods->xUnlock(Real(f), n); },
        [](sqlite3_file* f, int* p) { return Real(f)->pMethods->xCheckReservedLock(Real(f), p); },
        [](sqlite3_file* f, int op, void* p) { return Real(f)->pMethods->xFileControl(Real(f), op, p); },
        [](sqlite3_file* f) { return Real(f)->pMethods->xSectorSize(Real(f)); },
        [](sqlite3_file* f) { return Real(f)->pMethods->xDeviceCharacteristics(Real(f)); },
        // The index cannot grow on a full disk.
        [](sqlite3_file*, int, int, int, void volatile**) { return SQLITE_IOERR_SHMSIZE; },
        [](sqlite3_file* f, int a, int n, int flags) { return Real(f)->pMethods->xShmLock(Real(f), a, n, flags); },
        [](sqlite3_file* f) { Real(f)->pMethods->xShmBarrier(Real(f)); },
        [](sqlite3_file* f, int bDelete) { return Real(f)->pMethods->xShmUnmap(Real(f), bDelete); },
        nullptr,
        nullptr,
    };
    sqlite3_vfs m_vfs{};
};
