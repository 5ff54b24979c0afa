// Feeds kept inputs to a fuzz target where libFuzzer is not linked (the ordinary and the
// sanitizer builds), so every input that ever found a fault runs as a plain test.
//
//     fuzz_NAME FILE_OR_FOLDER...   each file, and each file in each folder, once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Defined only by the targets that set up something once, as libFuzzer calls it.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize != nullptr)
        LLVMFuzzerInitialize(&argc, &argv);
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i)
    {
        const fs::path named = argv[i];
        std::error_code error;
        if (fs::is_directory(named, error))
        {
            std::vector<fs::path> found;
            for (const fs::directory_entry& entry : fs::directory_iterator(named))
                if (entry.is_regular_file())
                    found.push_back(entry.path());
            std::sort(found.begin(), found.end());
            inputs.insert(inputs.end(), found.begin(), found.end());
        }
        else if (fs::is_regular_file(named, error))
            inputs.push_back(named);
        else // a target without regressions yet has no folder for them
            std::cout << "no inputs at " << named.string() << "\n";
    }
    if (inputs.empty())
    {
        std::cerr << "no inputs to run: name files or folders that hold some\n";
        return 2;
    }
    for (const fs::path& path : inputs)
    {
        std::ifstream file(path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), {});
        if (!file.good() && !file.eof())
        {
            std::cerr << "cannot read " << path.string() << "\n";
            return 2;
        }
        // Named first, so that a crash or a sanitizer report says which input it was.
        std::cout << "running " << path.string() << " (" << bytes.size() << " bytes)" << std::endl;
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::cout << inputs.size() << " inputs ran without a fault\n";
    return 0;
}
