#include "tables/materiaux.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace vestrel;

namespace {

// vestrel-fit takes a material by its key: every key is unique, plain ASCII
// without spaces or commas (a list of keys is split on commas), and each
// material names its source.
TEST(Materiaux, KeysAreUniqueUsableOnACommandLineAndSourced)
{
    std::set<std::string> vues;
    for (const Materiau &m : materiaux()) {
        EXPECT_TRUE(vues.insert(std::string(m.cle)).second) << m.cle;
        for (char c : m.cle)
            EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-') << m.cle;
        EXPECT_FALSE(m.source.empty()) << m.cle;
        EXPECT_FALSE(m.nom.empty()) << m.cle;
    }
    EXPECT_GE(vues.size(), 8u);
}

TEST(Materiaux, LookupByKeyAndDefault)
{
    ASSERT_TRUE(materiau("acier").has_value());
    EXPECT_EQ(materiau("acier")->E_MPa, 210000);
    EXPECT_EQ(&acierParDefaut(), &materiaux()[0]);
    EXPECT_EQ(materiau("alu-6082")->alpha_chauffe_par_K, 23.0e-6);
    EXPECT_FALSE(materiau("Acier").has_value());
    EXPECT_FALSE(materiau("").has_value());
    EXPECT_FALSE(materiau("acier ").has_value());
}

} // namespace
