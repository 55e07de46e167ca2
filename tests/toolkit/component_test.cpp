// Ownership, naming, loading and removal notifications of components.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tkComponent.h"

using namespace tk;

namespace {

std::vector<std::string>* g_log = nullptr;

// Logs its destruction and keeps a pointer to another component, which it
// clears when told of that component's removal.
class Probe : public TComponent {
 public:
  Probe(TComponent* owner, const std::string& name) : TComponent(owner) { SetName(name); }
  ~Probe() override {
    if (g_log) g_log->push_back("free " + Name());
  }
  void SetBuddy(TComponent* c) {
    buddy = c;
    if (c) c->FreeNotification(this);
  }
  TComponent* buddy = nullptr;
  int loadedCalls = 0;
  bool wasLoadingInLoaded = false;

 protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove && c == buddy) buddy = nullptr;
  }
  void Loaded() override {
    wasLoadingInLoaded = Loading();
    ++loadedCalls;
    TComponent::Loaded();
  }
};

class ComponentTest : public ::testing::Test {
 protected:
  void SetUp() override { g_log = &log; }
  void TearDown() override { g_log = nullptr; }
  std::vector<std::string> log;
};

TEST_F(ComponentTest, OwnerFreesWhatItOwnsLastCreatedFirst) {
  auto* owner = new Probe(nullptr, "Owner");
  auto* a = new Probe(owner, "A");
  new Probe(owner, "B");
  new Probe(a, "A1");
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(a->Owner(), owner);
  owner->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"free B", "free A1", "free A", "free Owner"}));
}

TEST_F(ComponentTest, FreeingAComponentTakesItOutOfItsOwner) {
  auto* owner = new Probe(nullptr, "Owner");
  auto* a = new Probe(owner, "A");
  auto* b = new Probe(owner, "B");
  a->Free();
  ASSERT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(owner->Components(0), b);
  EXPECT_EQ(b->ComponentIndex(), 0);
  delete owner;  // a plain delete frees what it owns too
  EXPECT_EQ(log, (std::vector<std::string>{"free A", "free Owner", "free B"}));
}

TEST_F(ComponentTest, ReferencesAreClearedWhenTheReferencedComponentGoes) {
  auto* formA = new Probe(nullptr, "FormA");
  auto* formB = new Probe(nullptr, "FormB");
  auto* data = new Probe(formA, "SkinData");
  auto* sibling = new Probe(formA, "Sibling");
  auto* other = new Probe(formB, "OtherUser");
  sibling->buddy = data;  // same owner: told through the owner, no request needed
  other->SetBuddy(data);  // another form: needs the free notification
  data->Free();
  EXPECT_EQ(sibling->buddy, nullptr);
  EXPECT_EQ(other->buddy, nullptr);

  // Freeing the owner clears references from outside to what it owned.
  auto* data2 = new Probe(formA, "SkinData2");
  other->SetBuddy(data2);
  formA->Free();
  EXPECT_EQ(other->buddy, nullptr);
  formB->Free();
}

TEST_F(ComponentTest, FreeNotificationIsMutualAndCanBeWithdrawn) {
  auto* a = new Probe(nullptr, "A");
  auto* b = new Probe(nullptr, "B");
  a->SetBuddy(b);
  b->SetBuddy(a);
  a->RemoveFreeNotification(b);
  a->Free();
  EXPECT_EQ(b->buddy, a) << "the withdrawn request is not honoured";
  b->buddy = nullptr;
  b->Free();  // and b does not reach the freed a
}

TEST_F(ComponentTest, NamesAreUniqueIdentifiersWithinOneOwner) {
  Probe owner(nullptr, "Owner");
  auto* a = new Probe(&owner, "Button1");
  EXPECT_THROW(new Probe(&owner, "button1"), EComponentError);
  EXPECT_EQ(owner.ComponentCount(), 1) << "the half-made component left its owner";
  EXPECT_THROW(a->SetName("1abc"), EComponentError);
  EXPECT_THROW(a->SetName("has space"), EComponentError);
  EXPECT_EQ(a->Name(), "Button1");
  a->SetName("");
  a->SetName("_x9");
  EXPECT_EQ(owner.FindComponent("_X9"), a);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  Probe other(nullptr, "Other");
  auto* c = new Probe(&other, "_x9");
  EXPECT_THROW(owner.InsertComponent(c), EComponentError) << "moving into an owner checks the name";
  EXPECT_EQ(c->Owner(), &other) << "a refused move leaves the component where it was";
}

TEST_F(ComponentTest, ASecondDesignedRootNumbersItsNameWhileLoading) {
  // A form-like class: a second instance reads the same name from its design.
  class Root : public TComponent {
   public:
    explicit Root(TComponent* owner) : TComponent(owner) {
      BeginLoading();
      SetName("Form3");
      EndLoading();
    }

   protected:
    bool NumbersClashingDesignName() const override { return true; }
  };
  Probe app(nullptr, "App");
  auto* first = new Root(&app);
  auto* second = new Root(&app);
  auto* third = new Root(&app);
  EXPECT_EQ(first->Name(), "Form3");
  EXPECT_EQ(second->Name(), "Form3_1");
  EXPECT_EQ(third->Name(), "Form3_2");
  // Outside loading a clash is still an error, for roots too.
  EXPECT_THROW(third->SetName("form3"), EComponentError);
  EXPECT_EQ(third->Name(), "Form3_2");
}

TEST_F(ComponentTest, LoadingCoversOwnedComponentsUntilEndLoading) {
  Probe form(nullptr, "Form");
  form.BeginLoading();
  auto* a = new Probe(&form, "A");
  auto* b = new Probe(&form, "B");
  EXPECT_TRUE(form.Loading());
  EXPECT_TRUE(a->Loading());
  form.EndLoading();
  EXPECT_FALSE(form.Loading());
  EXPECT_FALSE(a->Loading());
  EXPECT_EQ(a->loadedCalls, 1);
  EXPECT_EQ(b->loadedCalls, 1);
  EXPECT_EQ(form.loadedCalls, 1);
  EXPECT_TRUE(a->wasLoadingInLoaded) << "Loaded runs while the flag is still set";
  auto* later = new Probe(&form, "Later");
  EXPECT_FALSE(later->Loading());
  EXPECT_FALSE(later->Designing());
}

TEST_F(ComponentTest, ComponentsFreedDuringNotificationAreNotVisitedAgain) {
  // A handler that frees a sibling while the owner passes a notification on.
  class Killer : public TComponent {
   public:
    using TComponent::TComponent;
    TComponent* victim = nullptr;
    TComponent* trigger = nullptr;

   protected:
    void Notification(TComponent* c, TOperation op) override {
      TComponent::Notification(c, op);
      if (op == opRemove && c == trigger && victim) {
        TComponent* v = victim;
        victim = nullptr;
        v->Free();
      }
    }
  };
  auto* owner = new Probe(nullptr, "Owner");
  auto* v1 = new Probe(owner, "V1");
  auto* k = new Killer(owner);
  auto* t = new Probe(owner, "T");
  new Probe(owner, "After");
  k->victim = v1;
  k->trigger = t;
  t->Free();
  EXPECT_EQ(owner->ComponentCount(), 2);
  owner->Free();
}

}  // namespace
