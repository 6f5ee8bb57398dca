// Whole files read at once: only regular files, and none larger than the
// limit its reader gives.

#include "base/lettura_file.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#endif

#include "base/errore_file.h"
#include "cartella_temporanea.h"
#include "sistema_file_prova.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;

// The message of the refusal of `percorso`, empty when it was read.
std::string rifiuto(const std::filesystem::path& percorso, uint64_t massimo) {
  try {
    leggi_file_intero(percorso, massimo, "a test file");
  } catch (const errore_file& e) {
    EXPECT_EQ(e.percorso(), percorso);
    return e.what();
  }
  return "";
}

TEST(LetturaFile, TheLimitIsNamedInMiBWhenWholeOtherwiseInBytes) {
  EXPECT_EQ(descrivi_massimo(uint64_t{64} << 20, "a description"),
            "the 64 MiB a description may have");
  EXPECT_EQ(descrivi_massimo(302115, "a cell grid"), "the 302115 bytes a cell grid may have");
  EXPECT_EQ(descrivi_massimo((uint64_t{1} << 20) + 1, "x"), "the 1048577 bytes x may have");
}

TEST(LetturaFile, AFileUpToTheLimitIsReadWholeOneByteMoreIsRefused) {
  cartella_temporanea cartella;
  const std::string byte("a\0b\r\n\xff", 6);
  prova::scrivi_file(cartella / "f.dat", byte);
  prova::scrivi_file(cartella / "vuoto.dat", "");
  EXPECT_EQ(leggi_file_intero(cartella / "f.dat", 6, "a test file"), byte);
  EXPECT_EQ(leggi_file_intero(cartella / "f.dat", 1000, "a test file"), byte);
  EXPECT_EQ(leggi_file_intero(cartella / "vuoto.dat", 0, "a test file"), "");
  EXPECT_EQ(
      rifiuto(cartella / "f.dat", 5),
      (cartella / "f.dat").string() + ": 6 bytes, larger than the 5 bytes a test file may have");
}

// A file of holes: refused by its size, before a byte of it is read.
TEST(LetturaFile, ALargeFileIsRefusedBeforeItIsRead) {
  cartella_temporanea cartella;
  const uint64_t massimo = uint64_t{64} << 20;
  prova::scrivi_file(cartella / "grande.txt", "");
  std::filesystem::resize_file(cartella / "grande.txt", massimo + 1);
  EXPECT_EQ(rifiuto(cartella / "grande.txt", massimo),
            (cartella / "grande.txt").string() +
                ": 67108865 bytes, larger than the 64 MiB a test file may have");
}

TEST(LetturaFile, ADirectoryOrAMissingFileIsRefusedWithTheSystemsReason) {
  cartella_temporanea cartella;
  std::filesystem::create_directory(cartella / "cartella.txt");
  EXPECT_TRUE(prova::messaggio_su_cartella(rifiuto(cartella / "cartella.txt", 1000),
                                           cartella / "cartella.txt"));
  EXPECT_EQ(rifiuto(cartella / "manca.txt", 1000),
            (cartella / "manca.txt").string() + ": No such file or directory");
}

// Reads go through the current file system, as writes do: a failure there is
// an errore_file naming the file and the system's reason.
TEST(LetturaFile, AFailedOpenOrReadNamesTheFileAndTheReason) {
  cartella_temporanea cartella;
  prova::scrivi_file(cartella / "f.dat", "abc");
  const std::error_code guasto(EIO, std::generic_category());
  for (prova::passo_file passo : {prova::passo_file::apri_lettura, prova::passo_file::leggi}) {
    prova::sistema_file_prova sistema;
    sistema.intercetta = [&](prova::passo_file p, const std::string& nome) {
      return p == passo && nome == "f.dat" ? guasto : std::error_code{};
    };
    sostituzione_sistema_file sostituzione(sistema);
    EXPECT_EQ(rifiuto(cartella / "f.dat", 1000),
              (cartella / "f.dat").string() + ": " + guasto.message())
        << prova::nome_passo(passo);
  }
  EXPECT_EQ(leggi_file_intero(cartella / "f.dat", 1000, "a test file"), "abc");
}

TEST(LetturaFile, APathOutsideTheCodePageIsRead) {
  cartella_temporanea cartella;
  const std::filesystem::path percorso =
      cartella.percorso() / std::filesystem::path(u8"città_€.txt");
  {
    std::ofstream file(percorso, std::ios::binary);
    file << "x";
  }
  EXPECT_EQ(leggi_file_intero(percorso, 10, "a test file"), "x");
}

#ifndef _WIN32

// A FIFO with no writer would hold a blocking open for ever; a device would
// be read without end.
TEST(LetturaFile, WhatIsNotARegularFileIsRefusedWithoutWaiting) {
  cartella_temporanea cartella;
  const std::filesystem::path fifo = cartella / "fifo.txt";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  auto lettura = std::async(std::launch::async, [&] { return rifiuto(fifo, 1000); });
  if (lettura.wait_for(std::chrono::minutes(1)) == std::future_status::timeout) {
    // A writer lets a reader held in open go, so that the test fails rather
    // than hangs.
    close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
  }
  EXPECT_EQ(lettura.get(), fifo.string() + ": not a regular file");
  EXPECT_EQ(rifiuto("/dev/zero", 1000), "/dev/zero: not a regular file");
}

// A file of the proc file system says it is empty and still has bytes: the
// read stops one byte past the limit, as it would for a file that grows.
TEST(LetturaFile, AFileGrowingPastTheLimitWhileReadIsRefused) {
  struct stat stato {};
  ASSERT_EQ(stat("/proc/self/status", &stato), 0);
  ASSERT_EQ(stato.st_size, 0);
  EXPECT_EQ(rifiuto("/proc/self/status", 16),
            "/proc/self/status: grew past the 16 bytes a test file may have while being read");
  EXPECT_NE(leggi_file_intero("/proc/self/status", 1 << 20, "a test file").find("Name:"),
            std::string::npos);
}

#endif

}  // namespace
}  // namespace scenario
