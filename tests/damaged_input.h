// Damaged copies of a sound sample, for the tests that a reader of outside data refuses them
// or reads them without leaving its buffer: every cut of a short sample (evenly spaced cuts of
// a long one), then random bytes changed and random lengths, from a fixed seed so that a
// failure repeats. Changed bytes come from Alphabet when one is given, else from all 256.
#pragma once

#include <algorithm>
#include <cstddef>
#include <random>
#include <string>

template <typename Bytes, typename Read>
void ForEachDamaged(const Bytes& Sample, Read ReadOne, int Rounds = 300,
                    const std::string& Alphabet = {}) {
  const std::size_t cutStep = std::max<std::size_t>(1, Sample.size() / 256);
  for (std::size_t n = 0; n < Sample.size(); n += cutStep)
    ReadOne(Bytes(Sample.begin(), Sample.begin() + static_cast<std::ptrdiff_t>(n)));
  std::mt19937 random(20240517);
  auto below = [&random](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  auto anyByte = [&]() {
    return static_cast<typename Bytes::value_type>(Alphabet.empty() ? below(256)
                                                                     : Alphabet[below(Alphabet.size())]);
  };
  for (int round = 0; round < Rounds; ++round) {
    Bytes damaged = Sample;
    // Every third copy is cut or grown (with zeros) to a random length as well.
    if (round % 3 == 2) damaged.resize(below(Sample.size() * 2 + 1));
    for (std::size_t changes = 1 + below(4); changes > 0 && !damaged.empty(); --changes)
      damaged[below(damaged.size())] = anyByte();
    ReadOne(damaged);
  }
}
