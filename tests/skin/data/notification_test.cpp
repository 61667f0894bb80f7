#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/headless/driver.h"
#include "skin/package/compressed_stored_skin.h"
#include "skin/package/skin_package.h"
#include "skin/resource_str_data.h"
#include "skin/skin_data.h"
#include "skin_fixture.h"

namespace skin {
namespace {

using platform::Message;

struct Heard {
    std::string window;
    Message message;
    const platform::Component* sender;
    int param;
    bool empty;
    bool loading;

    friend bool operator==(const Heard&, const Heard&) = default;
};

// A window that writes down every notification with the skin data's state at that moment.
class ListeningForm : public platform::Form {
public:
    ListeningForm(platform::Application& app, std::string name, std::vector<Heard>& log)
        : platform::Form(app), name_(std::move(name)), log_(log) {}

    TspSkinData* data = nullptr;

    void Notify(const platform::Notification& n) override {
        log_.push_back({name_, n.message, n.sender, n.param, data->IsEmpty(), data->IsLoading()});
    }

private:
    std::string name_;
    std::vector<Heard>& log_;
};

// Two windows; the skin data lives on the second, so it must hear first.
class SkinNotifications : public ::testing::Test {
protected:
    SkinNotifications()
        : first(driver.App().CreateForm<ListeningForm>("first", log)),
          owner(driver.App().CreateForm<ListeningForm>("owner", log)),
          data(owner.Own<TspSkinData>(&owner)),
          stored(owner.Own<TspCompressedStoredSkin>(&owner)) {
        first.data = &data;
        owner.data = &data;
    }

    [[nodiscard]] std::vector<Heard> Expect(std::initializer_list<std::tuple<Message, bool, bool>> steps) const {
        std::vector<Heard> out;
        for (const auto& [message, empty, loading] : steps) {
            out.push_back({"owner", message, &data, 1000, empty, loading});
            out.push_back({"first", message, &data, 1000, empty, loading});
        }
        return out;
    }

    std::vector<Heard> log;
    platform::headless::Driver driver;
    ListeningForm& first;
    ListeningForm& owner;
    TspSkinData& data;
    TspCompressedStoredSkin& stored;
};

TEST_F(SkinNotifications, ALoadIsAnnouncedToTheOwnerFirstThenEveryWindow) {
    stored.SetData(testfixtures::SmallSkin());
    data.SetCompressedStoredSkin(&stored);
    EXPECT_EQ(log, Expect({{Message::SkinChanging, true, true},
                           {Message::SkinChanged, false, true},
                           {Message::SkinChangeDone, false, false}}));
}

TEST_F(SkinNotifications, AnEmptyStoredSkinSendsNothing) {
    data.SetCompressedStoredSkin(&stored);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(data.IsEmpty());
}

TEST_F(SkinNotifications, NewerVersionSendsOnlySkinChanging) {
    PackageWriter w(4);
    w.Slot({});
    w.Slot({});
    w.PictureCount(0);
    stored.SetData(DeflateSkin(w.Take()));
    EXPECT_THROW(data.SetCompressedStoredSkin(&stored), SkinVersionError);
    EXPECT_EQ(log, Expect({{Message::SkinChanging, true, true}}));
}

TEST_F(SkinNotifications, ADamagedPackageClosesTheLoadWithTheSkinEmpty) {
    std::vector<std::uint8_t> cut = testfixtures::SmallPackage(testfixtures::SmallDefinition("x"));
    cut.resize(100);
    stored.SetData(DeflateSkin(cut));
    EXPECT_THROW(data.SetCompressedStoredSkin(&stored), SkinPackageError);
    EXPECT_EQ(log, Expect({{Message::SkinChanging, true, true},
                           {Message::SkinChanged, true, true},
                           {Message::SkinChangeDone, true, false}}));
}

TEST_F(SkinNotifications, SkinnableFormAnnouncesOnlyAChange) {
    data.SetSkinnableForm(true);
    EXPECT_TRUE(log.empty());
    data.SetSkinnableForm(false);
    EXPECT_EQ(log, Expect({{Message::FormSkinnableChanged, true, false}}));
}

TEST_F(SkinNotifications, AssigningStringsAnnouncesThem) {
    TspResourceStrData& strings = owner.Own<TspResourceStrData>(&owner);
    data.SetResourceStrData(&strings);
    EXPECT_EQ(log, Expect({{Message::SkinStringsChanged, true, false}}));
}

TEST_F(SkinNotifications, AHandlerMayDropTheStoredSkinDuringTheLoad) {
    auto doomed = std::make_unique<TspCompressedStoredSkin>();
    doomed->SetData(testfixtures::SmallSkin());
    struct Dropper : platform::Form {
        Dropper(platform::Application& app, std::unique_ptr<TspCompressedStoredSkin>& s) : Form(app), skin(s) {}
        void Notify(const platform::Notification& n) override {
            if (n.message == Message::SkinChanging) skin.reset();
        }
        std::unique_ptr<TspCompressedStoredSkin>& skin;
    };
    driver.App().CreateForm<Dropper>(doomed);
    data.SetCompressedStoredSkin(doomed.get());
    EXPECT_EQ(doomed, nullptr);
    EXPECT_FALSE(data.IsEmpty());
    EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
    EXPECT_EQ(data.FindControl("button"), 0);
}

}  // namespace
}  // namespace skin
