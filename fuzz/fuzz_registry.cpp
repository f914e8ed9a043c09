// Fuzzes the registry on a damaged file: the input becomes registry.db, then the game's reads and
// a write run on it. Nothing may crash or leak, and a file the registry calls unusable must be
// left byte for byte as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "platform/registry.h"

namespace {

const std::wstring kKey = L"Software\\Veltrane Corporation\\Veltrane Quillorn\\Veltrane Quillorn";

std::filesystem::path Folder()
{
    static const std::filesystem::path dir = [] {
        std::string strTemplate = (std::filesystem::temp_directory_path() / "vq-fuzz-XXXXXX").string();
        if (!mkdtemp(strTemplate.data()))
            std::abort();
        return std::filesystem::path(strTemplate);
    }();
    return dir;
}

std::string Bytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path file = Folder() / "registry.db";
    std::error_code ec;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        std::filesystem::remove(file.string() + suffix, ec);
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::ofstream(file, std::ios::binary).write(input.data(), static_cast<std::streamsize>(input.size()));

    bool bUnusable = false;
    {
        CRegistry reg(file);
        std::uint32_t dw = 0;
        std::wstring str;
        reg.QueryDword(kKey, L"SOUND", dw);
        // Judged when the file is first opened: damage SQLite's own check misses may surface later.
        const EStoreTrouble trouble = reg.Trouble();
        bUnusable = trouble == EStoreTrouble::Damaged || trouble == EStoreTrouble::NotADatabase
                    || trouble == EStoreTrouble::Foreign;
        reg.QueryString(kKey, L"CURRENT_SET", str);
        reg.QueryDword(kKey + L"\\Standard", L"BEG_INDEX", dw);
        reg.Update([&](CRegistryTxn& txn) {
            std::uint32_t n = 0;
            txn.ReadDword(kKey + L"\\Standard", L"BEG_INDEX", n);
            txn.Write(kKey + L"\\Standard", L"BEG_INDEX", CRegValue::Dword(n + 1));
        });
        reg.QueryDword(kKey + L"\\Standard", L"BEG_INDEX", dw);
    }
    if (bUnusable && Bytes(file) != input)
        std::abort();
    return 0;
}
