// The skin data component tells the application's real forms about a skin
// change: the form that carries it first, then the others in the screen's
// order, each form all three messages; receivers that free forms or start
// another announcement do not upset the one in progress.
#include <functional>
#include <string>
#include <vector>

#include "SkinTestSupport.h"
#include "vxSkinDataComponents.h"
#include "win_support.h"

namespace {

using namespace vx::testing;

struct Heard {
  std::string form;
  unsigned msg;
};

class ListeningForm : public tk::TForm {
 public:
  ListeningForm(tk::TComponent* owner, const char* name, std::vector<Heard>* log) : tk::TForm(owner), log_(log) {
    SetName(name);
  }
  std::function<void(unsigned)> OnHeard;

 protected:
  void WndProc(tk::TMessage& m) override {
    if (m.Msg >= vx::WM_SKIN_BEFORE_CHANGE && m.Msg <= vx::WM_SKIN_BLUR_CHANGED) {
      // Sent, with the window already made: a posted message would not get here
      // before the load returned.
      EXPECT_TRUE(HandleAllocated());
      log_->push_back({Name(), m.Msg});
      if (OnHeard) OnHeard(m.Msg);
    }
    tk::TForm::WndProc(m);
  }

 private:
  std::vector<Heard>* log_;
};

class SkinFormList : public tktest::ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    a = new ListeningForm(app, "A", &log);
    b = new ListeningForm(app, "B", &log);
    c = new ListeningForm(app, "C", &log);
    data = new vx::TvxSkinDataComponent(b);
    data->SetShowLayeredBorders(false);  // as the program has it; with them on the owner is not served first
    log.clear();
    skin = StoredSkin(WriteSkinContainer(Parts(Definition({"button:button"}))));
  }
  std::vector<std::string> Order(unsigned msg) const {
    std::vector<std::string> out;
    for (const Heard& h : log)
      if (h.msg == msg) out.push_back(h.form);
    return out;
  }
  std::vector<unsigned> HeardBy(const std::string& form) const {
    std::vector<unsigned> out;
    for (const Heard& h : log)
      if (h.form == form) out.push_back(h.msg);
    return out;
  }

  std::vector<Heard> log;
  ListeningForm *a = nullptr, *b = nullptr, *c = nullptr;
  vx::TvxSkinDataComponent* data = nullptr;
  vx::TvxCompressedStoredSkin skin;
};

TEST_F(SkinFormList, TheCarryingFormHearsFirstThenTheScreenOrder) {
  data->LoadCompressedStoredSkin(skin);
  const std::vector<std::string> expected{"B", "A", "C"};
  EXPECT_EQ(Order(vx::WM_SKIN_BEFORE_CHANGE), expected);
  EXPECT_EQ(Order(vx::WM_SKIN_CHANGED), expected);
  EXPECT_EQ(Order(vx::WM_SKIN_AFTER_CHANGE), expected);
  const std::vector<unsigned> three{vx::WM_SKIN_BEFORE_CHANGE, vx::WM_SKIN_CHANGED, vx::WM_SKIN_AFTER_CHANGE};
  for (const char* f : {"A", "B", "C"}) EXPECT_EQ(HeardBy(f), three) << f;
  EXPECT_FALSE(data->Empty());
}

TEST_F(SkinFormList, AFormFreedByAReceiverHearsNoMore) {
  a->OnHeard = [this](unsigned msg) {
    if (msg == vx::WM_SKIN_CHANGED && c) {
      delete c;
      c = nullptr;
    }
  };
  data->LoadCompressedStoredSkin(skin);
  EXPECT_EQ(Order(vx::WM_SKIN_CHANGED), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(Order(vx::WM_SKIN_AFTER_CHANGE), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(HeardBy("C"), (std::vector<unsigned>{vx::WM_SKIN_BEFORE_CHANGE}));

  // The next announcement finds the list without the freed form.
  log.clear();
  auto* d = new ListeningForm(app, "D", &log);
  data->LoadCompressedStoredSkin(skin);
  EXPECT_EQ(Order(vx::WM_SKIN_AFTER_CHANGE), (std::vector<std::string>{"B", "A", "D"}));
  delete d;
}

TEST_F(SkinFormList, AnAnnouncementStartedByAReceiverRunsInsideTheOuterOne) {
  a->OnHeard = [this](unsigned msg) {
    if (msg == vx::WM_SKIN_CHANGED) {
      // A form that makes a new form and switches a setting while the skin changes.
      new ListeningForm(app, "E", &log);
      data->SetSkinnableForm(!data->SkinnableForm());
    }
  };
  data->LoadCompressedStoredSkin(skin);
  // The inner announcement reaches the new form; the outer one goes on over
  // the forms it started with.
  EXPECT_EQ(Order(vx::WM_SKIN_SKINNABLE_CHANGED), (std::vector<std::string>{"B", "A", "C", "E"}));
  EXPECT_EQ(Order(vx::WM_SKIN_CHANGED), (std::vector<std::string>{"B", "A", "C"}));
  EXPECT_EQ(Order(vx::WM_SKIN_AFTER_CHANGE), (std::vector<std::string>{"B", "A", "C", "E"}));
}

TEST_F(SkinFormList, AFailedLoadStillEndsTheChangeEverywhere) {
  vx::TvxCompressedStoredSkin corrupt;
  corrupt.SetCompressedData({0x78, 0xDA, 0xFF});
  EXPECT_THROW(data->LoadCompressedStoredSkin(corrupt), vx::EvxCompressionError);
  for (const char* f : {"A", "B", "C"})
    EXPECT_EQ(HeardBy(f), (std::vector<unsigned>{vx::WM_SKIN_BEFORE_CHANGE, vx::WM_SKIN_CHANGED,
                                                  vx::WM_SKIN_AFTER_CHANGE}))
        << f;
  EXPECT_TRUE(data->Empty());
}

}  // namespace
