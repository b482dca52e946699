// The entry form on a record of the bundled parts database, rendered into a PNG (kept in
// $KALVENTO_PICTURE_DIR when that is set): the labels and values where they belong.
#include "EntryFormTest.h"
#include "tools/sample/SampleDatabase.h"
#include "window_picture.h"

namespace {

TEST_F(EntryForm, PictureOfABundledRecord) {
  list.Close();
  ASSERT_TRUE(WriteSampleDatabase(dir.Path()));
  DatenbankDbmLaden("Kalvento.dbm");
  Show();
  log.texts.clear();
  Open(1);
  QImage image = RenderWindow(&form, "entry-form.png");
  ASSERT_FALSE(image.isNull());
  std::vector<TControl*> inked = {form.edtKalvento_Bezeichnun,
                                  form.edtKalvento_Bezeichnun->GetLabel(),
                                  form.labBemerkungen,
                                  form.grpAnzahl,
                                  form.edtKalvento_Haupt1,
                                  form.edtKalvento_Zusaetzlic->GetLabel(),
                                  form.edtKalvento_Einzelprei,
                                  form.labEuro2,
                                  form.chkKalvento_Bestellen,
                                  form.edtKalvento_Anzahlgesa,
                                  form.btnZurueck,
                                  form.btnOK};
  for (std::size_t i = 0; i < inked.size(); ++i)
    EXPECT_TRUE(HasInk(image, AreaInForm(inked[i]))) << i;
  // Every count's label stands inside the group box, clear of its edit.
  const QRect group = AreaInForm(form.grpAnzahl);
  for (TExtEdit* count : {form.edtKalvento_Relaisplat, form.edtKalvento_Zusaetzlic}) {
    const QRect label = AreaInForm(count->GetLabel());
    EXPECT_TRUE(group.contains(label)) << count->GetLabelCaption();
    EXPECT_LT(label.right(), AreaInForm(count).left());
  }
  EXPECT_TRUE(log.texts.empty()) << log.texts[0];
}

}  // namespace
