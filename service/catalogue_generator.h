#pragma once
// Makes the sample catalogue from a fixed seed: the same seed gives the same catalogue, byte for
// byte, with no outside data.

#include "service/catalogue_types.h"

#include <cstdint>

namespace kesto::service {

class CatalogueGenerator {
public:
    static constexpr int kArtists = 120;
    static constexpr int kAlbumsPerArtist = 2;
    static constexpr int kSongsPerAlbum = 10;

    explicit CatalogueGenerator(std::uint64_t seed) : seed_(seed) {}
    Catalogue generate() const;

private:
    std::uint64_t seed_;
};

} // namespace kesto::service
