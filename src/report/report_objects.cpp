#include "report/report_objects.h"

const char *TfrView::ClassName() const
{
    switch (Kind) {
    case TfrViewKind::Band:
        return "TfrBandView";
    case TfrViewKind::Memo:
        return "TfrMemoView";
    case TfrViewKind::CheckBox:
        return "TfrCheckBoxView";
    case TfrViewKind::Picture:
        return "TfrPictureView";
    }
    return "TfrView";
}

namespace {

TfrView MakeView(TfrViewKind kind, const std::string &name, int32_t left, int32_t top, int32_t width,
                 int32_t height)
{
    TfrView view;
    view.Kind = kind;
    view.Name = name;
    view.Left = left;
    view.Top = top;
    view.Width = width;
    view.Height = height;
    return view;
}

} // namespace

TfrView MakeBand(const std::string &name, TfrBandKind kind, int32_t left, int32_t top, int32_t width,
                 int32_t height, const std::string &dataSet)
{
    TfrView view = MakeView(TfrViewKind::Band, name, left, top, width, height);
    view.BandKind = kind;
    view.DataSet = dataSet;
    return view;
}

TfrView MakeMemo(const std::string &name, int32_t left, int32_t top, int32_t width, int32_t height,
                 const std::string &memo)
{
    TfrView view = MakeView(TfrViewKind::Memo, name, left, top, width, height);
    view.Memo = memo;
    return view;
}

TfrView MakeCheckBox(const std::string &name, int32_t left, int32_t top, int32_t width, int32_t height,
                     const std::string &memo)
{
    TfrView view = MakeView(TfrViewKind::CheckBox, name, left, top, width, height);
    view.Memo = memo;
    return view;
}

TfrView MakePicture(const std::string &name, int32_t left, int32_t top, int32_t width, int32_t height,
                    const std::string &pngBytes)
{
    TfrView view = MakeView(TfrViewKind::Picture, name, left, top, width, height);
    view.Picture = pngBytes;
    return view;
}
