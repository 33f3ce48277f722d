// The built libcurvix.so read as an ELF file: its dynamic symbol table defines exactly the seven
// exports, and it needs no shared library beyond the C and maths libraries.
#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

struct DynamicInfo {
  std::set<std::string> defined;
  std::set<std::string> needed;
};

template <class T>
T At(const std::vector<char>& file, std::size_t offset) {
  T value{};
  if (offset + sizeof(T) <= file.size()) {
    std::memcpy(&value, file.data() + offset, sizeof(T));
  } else {
    ADD_FAILURE() << "read past the end of the file at " << offset;
  }
  return value;
}

std::string StringAt(const std::vector<char>& file, std::size_t table, std::size_t index) {
  const std::size_t start = table + index;
  if (start >= file.size()) return {};
  const void* end = std::memchr(file.data() + start, 0, file.size() - start);
  return end == nullptr ? std::string{}
                        : std::string(file.data() + start, static_cast<const char*>(end));
}

DynamicInfo ReadDynamic(const char* path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> file{std::istreambuf_iterator<char>(in), {}};
  DynamicInfo info;
  const auto header = At<Elf64_Ehdr>(file, 0);
  if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64) {
    ADD_FAILURE() << path << " is not a 64-bit ELF file";
    return info;
  }
  std::vector<Elf64_Shdr> sections;
  for (int i = 0; i < header.e_shnum; ++i) {
    sections.push_back(At<Elf64_Shdr>(file, header.e_shoff + i * sizeof(Elf64_Shdr)));
  }
  for (const Elf64_Shdr& s : sections) {
    if (s.sh_link >= sections.size()) continue;
    const std::size_t strings = sections[s.sh_link].sh_offset;
    if (s.sh_type == SHT_DYNSYM) {
      for (std::size_t off = sizeof(Elf64_Sym); off < s.sh_size; off += sizeof(Elf64_Sym)) {
        const auto sym = At<Elf64_Sym>(file, s.sh_offset + off);
        const int bind = ELF64_ST_BIND(sym.st_info);
        if (sym.st_shndx != SHN_UNDEF && (bind == STB_GLOBAL || bind == STB_WEAK)) {
          info.defined.insert(StringAt(file, strings, sym.st_name));
        }
      }
    } else if (s.sh_type == SHT_DYNAMIC) {
      for (std::size_t off = 0; off < s.sh_size; off += sizeof(Elf64_Dyn)) {
        const auto dyn = At<Elf64_Dyn>(file, s.sh_offset + off);
        if (dyn.d_tag == DT_NEEDED) {
          info.needed.insert(StringAt(file, strings, dyn.d_un.d_val));
        }
      }
    }
  }
  return info;
}

TEST(CurvixExports, DynamicSymbolTableHoldsExactlyTheSevenExports) {
  const DynamicInfo info = ReadDynamic(CURVIX_LIBRARY_FILE);
  EXPECT_EQ(info.defined, (std::set<std::string>{"peano_range", "polar2pn", "pn2polar_lowleft",
                                                 "pn2polar_centre", "pn2polar_topright",
                                                 "coverage", "cleanup"}));
}

TEST(CurvixExports, NeedsOnlyTheCAndMathsLibraries) {
  const DynamicInfo info = ReadDynamic(CURVIX_LIBRARY_FILE);
  for (const std::string& lib : info.needed) {
    const bool essential = lib == "libc.so.6" || lib == "libm.so.6";
    // Sanitizer builds add their run-time libraries.
    const bool sanitizer = CURVIX_SANITIZED && (lib.rfind("libasan", 0) == 0 ||
                                                lib.rfind("libubsan", 0) == 0 ||
                                                lib.rfind("libtsan", 0) == 0);
    EXPECT_TRUE(essential || sanitizer) << lib;
  }
  if (!CURVIX_SANITIZED) {  // (the sanitizer run time stands in for malloc and memcpy)
    EXPECT_EQ(info.needed.count("libc.so.6"), 1u);
  }
}

}  // namespace
