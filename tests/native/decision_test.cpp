#include "app/decision.h"

#include <gtest/gtest.h>

#include "app/product_codes.h"

namespace {

TEST(InferInstalledCode, CloudFlagAndPlatform) {
  struct {
    int32_t cloud, platform;
    const char16_t* code;
  } cases[] = {
      {1, 6, kCodeCloudRD},  {1, 7, kCodeCloudMBR},  {1, 0, kCodePro},       {1, 3, kCodePro},
      {1, 4, kCodePro},      {1, 5, kCodePro},       {0, 4, kCodeWQ},        {-1, 4, kCodeWQ},
      {2, 4, kCodeWQ},       {0, 0, kCodeStandard},  {0, 3, kCodeStandard},  {0, 5, kCodeStandard},
      {0, 6, kCodeStandard}, {-1, 7, kCodeStandard}, {49, 6, kCodeStandard},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "cloud " << c.cloud << " platform " << c.platform);
    EXPECT_EQ(InferInstalledCode(c.cloud, c.platform), c.code);
  }
}

TEST(ConcludeFromUninstallEntry, LegacyAndMarkerRules) {
  struct {
    int32_t keyKind, cloud, platform;
    const char16_t* code;
    int32_t legacy, mark;
  } cases[] = {
      {1, 0, 0, kCodeStandard, 1, 1},  // standard edition, older key: back up and migrate
      {2, 0, 0, kCodeStandard, 1, 1}, {3, 0, 0, kCodeStandard, 0, 1},  // its own key: current installation
                                                                       // with marker
      {1, 0, 3, kCodeStandard, 0, 1},                                  // platform KVTG80
      {1, 1, 6, kCodeCloudRD, 1, 0},  {3, 1, 0, kCodePro, 1, 0},      {2, 0, 4, kCodeWQ, 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.keyKind << "/" << c.cloud << "/" << c.platform);
    RunState state;
    state.uninstallKeyKind = c.keyKind;
    ConcludeFromUninstallEntry(state, c.cloud, c.platform);
    EXPECT_EQ(state.installedCode, c.code);
    EXPECT_EQ(state.platformKind, c.platform);
    EXPECT_EQ(state.legacyInstall, c.legacy);
    EXPECT_EQ(state.markConsumerUpgrade, c.mark);
  }
}

TEST(ChooseRoad, InTheOrderOfTheRoads) {
  struct {
    const char16_t* productId;
    const char16_t* installed;
    int32_t legacy;
    Road road;
  } cases[] = {
      {u"", u"", 0, Road::kMissingProductId},
      {u"", kCodePro, 1, Road::kMissingProductId},
      {kCodePro, u"", 1, Road::kNothingInstalled},
      {kCodePro, kCodeStandard, 0, Road::kOtherEdition},
      {kCodePro, kCodeStandard, 1, Road::kOtherEdition},
      {kCodeStandard, kCodeStandard, 1, Road::kOlderInstallation},
      {kCodeStandard, kCodeStandard, 0, Road::kCurrentInstallation},
      {u"{b47d2c90-5e18-4a6f-8c3b-92e0f1a7d5c6}", kCodeStandard, 0, Road::kOtherEdition},  // case matters
  };
  for (const auto& c : cases) {
    RunState state;
    state.productId = c.productId;
    state.installedCode = c.installed;
    state.legacyInstall = c.legacy;
    EXPECT_EQ(ChooseRoad(state), c.road) << RoadName(c.road);
  }
}

TEST(ChooseTitleStringId, ProCaptionOnlyForThePackageOfPro) {
  EXPECT_EQ(ChooseTitleStringId(kCodePro), 106);
  EXPECT_EQ(ChooseTitleStringId(kCodeStandard), 107);
  EXPECT_EQ(ChooseTitleStringId(u"{6a1f0e27-9c4b-4d8e-a5f2-1b7c3e9d0a41}"), 107);
}

}  // namespace
