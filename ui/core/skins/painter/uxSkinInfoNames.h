#pragma once
// The names a skin info resolves: every element any painter may draw, by group, with whether a missing one gets a
// placeholder; the properties of groups and elements the painters read; the skin-level colours. Each list is an
// X-macro, so the identifiers and the lookup tables come from one place.

// X(group, element, placeholder when missing)
#define UX_SKIN_ELEMENTS(X)                                                                                            \
    X(Bars, Bar, true)                                                                                                 \
    X(Bars, BarCustomize, true)                                                                                        \
    X(Bars, BarCustomizeVertical, true)                                                                                \
    X(Bars, BarDragGrip, true)                                                                                         \
    X(Bars, BarDragGripVertical, true)                                                                                 \
    X(Bars, MDIButtonClose, true)                                                                                      \
    X(Bars, MDIButtonMinimize, true)                                                                                   \
    X(Bars, MDIButtonRestore, true)                                                                                    \
    X(Bars, BarSeparator, true)                                                                                        \
    X(Bars, BarVertical, true)                                                                                         \
    X(Bars, BarSeparatorVertical, true)                                                                                \
    X(Bars, Dock, true)                                                                                                \
    X(Bars, FloatBar, true)                                                                                            \
    X(Bars, ItemSeparator, true)                                                                                       \
    X(Bars, LinkStatic, true)                                                                                          \
    X(Bars, LinkSelected, true)                                                                                        \
    X(Bars, MainMenu, true)                                                                                            \
    X(Bars, MainMenuCustomize, false)                                                                                  \
    X(Bars, MainMenuDrag, false)                                                                                       \
    X(Bars, MainMenuLinkSelected, true)                                                                                \
    X(Bars, MainMenuVertical, true)                                                                                    \
    X(Bars, PopupMenu, true)                                                                                           \
    X(Bars, PopupMenuCheck, true)                                                                                      \
    X(Bars, PopupMenuExpandButton, true)                                                                               \
    X(Bars, PopupMenuLinkSelected, true)                                                                               \
    X(Bars, PopupMenuSeparator, true)                                                                                  \
    X(Bars, PopupMenuSideStrip, true)                                                                                  \
    X(Bars, PopupMenuSideStripNonRecent, true)                                                                         \
    X(Bars, PopupMenuDropDownButtonLabel, true)                                                                        \
    X(Bars, PopupMenuDropDownButtonArrow, true)                                                                        \
    X(Form, SmallFormButtonClose, true)                                                                                \
    X(Form, FormButtonClose, true)                                                                                     \
    X(Form, FormButtonMinimize, true)                                                                                  \
    X(Form, FormButtonMaximize, true)                                                                                  \
    X(Form, FormButtonRestore, true)                                                                                   \
    X(Form, FormButtonHelp, true)                                                                                      \
    X(Form, FormFrameLeft, true)                                                                                       \
    X(Form, SmallFormCaption, true)                                                                                    \
    X(Form, FormFrameRight, true)                                                                                      \
    X(Form, FormFrameBottom, true)                                                                                     \
    X(Form, FormCaption, true)                                                                                         \
    X(Bars, StatusBar, true)                                                                                           \
    X(Form, FormContent, true)                                                                                         \
    X(Docking, TabHeaderBackground, true)                                                                              \
    X(Docking, TabHeaderLine, true)                                                                                    \
    X(Docking, TabHeaderAutoHideBar, true)                                                                             \
    X(Docking, DockWindowButton, true)                                                                                 \
    X(Docking, DockWindowButtonGlyphs, true)                                                                           \
    X(Docking, TabHeader, true)                                                                                        \
    X(Docking, AutoHideBar, true)                                                                                      \
    X(Docking, AutoHideBarLeft, true)                                                                                  \
    X(Docking, AutoHideBarRight, true)                                                                                 \
    X(Docking, AutoHideBarBottom, true)                                                                                \
    X(Docking, DockWindowCaption, true)                                                                                \
    X(Docking, DockWindowBorder, true)                                                                                 \
    X(Common, Button, true)                                                                                            \
    X(Grid, PlusMinus, true)                                                                                           \
    X(Grid, FooterCell, true)                                                                                          \
    X(Grid, FooterPanel, true)                                                                                         \
    X(Editors, Checkbox, true)                                                                                         \
    X(Editors, ClockFace, true)                                                                                        \
    X(Editors, ClockGlass, true)                                                                                       \
    X(Editors, LabelLine, true)                                                                                        \
    X(Editors, LabelLineVert, true)                                                                                    \
    X(Editors, EditorButton, true)                                                                                     \
    X(Editors, CloseButton, true)                                                                                      \
    X(Editors, ComboButtonGlyph, true)                                                                                 \
    X(Editors, SpinUpGlyph, true)                                                                                      \
    X(Editors, SpinDownGlyph, true)                                                                                    \
    X(Editors, SpinLeftGlyph, true)                                                                                    \
    X(Editors, SpinRightGlyph, true)                                                                                   \
    X(Common, GroupPanelNoBorder, true)                                                                                \
    X(Common, GroupExpandButton, true)                                                                                 \
    X(Common, GroupPanelTop, true)                                                                                     \
    X(Common, GroupPanelBottom, true)                                                                                  \
    X(Common, GroupPanelLeft, true)                                                                                    \
    X(Common, GroupPanelRight, true)                                                                                   \
    X(Common, GroupPanel, true)                                                                                        \
    X(Common, GroupPanelCaptionTop, true)                                                                              \
    X(Common, GroupPanelCaptionBottom, true)                                                                           \
    X(Common, GroupPanelCaptionLeft, true)                                                                             \
    X(Common, GroupPanelCaptionRight, true)                                                                            \
    X(Grid, GridFixedLine, true)                                                                                       \
    X(Grid, CardSeparator, true)                                                                                       \
    X(Grid, GridGroupPanel, true)                                                                                      \
    X(Grid, GroupRow, true)                                                                                            \
    X(Grid, GridLine, true)                                                                                            \
    X(VerticalGrid, Category, true)                                                                                    \
    X(VerticalGrid, GridLine, true)                                                                                    \
    X(VerticalGrid, BandBorder, true)                                                                                  \
    X(VerticalGrid, RowHeader, true)                                                                                   \
    X(Grid, IndicatorImages, true)                                                                                     \
    X(NavBar, Background, true)                                                                                        \
    X(NavBar, GroupClient, true)                                                                                       \
    X(NavBar, Item, true)                                                                                              \
    X(NavBar, GroupHeader, true)                                                                                       \
    X(NavBar, GroupCloseButton, true)                                                                                  \
    X(NavBar, GroupOpenButton, true)                                                                                   \
    X(NavPane, CollapseButton, true)                                                                                   \
    X(NavPane, CollapsedGroupClient, true)                                                                             \
    X(NavPane, ExpandButton, true)                                                                                     \
    X(NavPane, PopupBorder, true)                                                                                      \
    X(NavPane, PopupSizeGrip, true)                                                                                    \
    X(NavPane, GroupButton, true)                                                                                      \
    X(NavPane, GroupButtonSelected, true)                                                                              \
    X(NavPane, Caption, true)                                                                                          \
    X(NavPane, Splitter, true)                                                                                         \
    X(NavPane, ScrollUpButton, true)                                                                                   \
    X(NavPane, ScrollDownButton, true)                                                                                 \
    X(NavPane, OverflowPanel, true)                                                                                    \
    X(NavPane, OverflowPanelItem, true)                                                                                \
    X(NavPane, OverflowPanelExpandItem, true)                                                                          \
    X(NavPane, GroupClient, true)                                                                                      \
    X(NavPane, Item, true)                                                                                             \
    X(NavPane, ItemSelected, true)                                                                                     \
    X(Editors, Navigator, true)                                                                                        \
    X(Editors, NavigatorVert, true)                                                                                    \
    X(Scheduler, TimeGridHeader, true)                                                                                 \
    X(Scheduler, TimeGridHeaderSelected, true)                                                                         \
    X(Scheduler, DefaultTimeLine, true)                                                                                \
    X(Scheduler, Ruler, true)                                                                                          \
    X(Scheduler, MoreButton, true)                                                                                     \
    X(Scheduler, AppointmentRightBorder, true)                                                                         \
    X(Scheduler, Appointment, true)                                                                                    \
    X(Scheduler, AllDayArea, true)                                                                                     \
    X(Scheduler, AllDayAreaSelected, true)                                                                             \
    X(Scheduler, CurrentTimeIndicator, true)                                                                           \
    X(Scheduler, AppointmentBottomShadow, true)                                                                        \
    X(Scheduler, AppointmentRightShadow, true)                                                                         \
    X(Scheduler, AppointmentMask, true)                                                                                \
    X(Scheduler, NavButtonPrev, true)                                                                                  \
    X(Scheduler, NavButtonNext, true)                                                                                  \
    X(Scheduler, NavButtonPrevArrow, true)                                                                             \
    X(Scheduler, NavButtonNextArrow, true)                                                                             \
    X(Scheduler, TimeGridCurrentTimeIndicator, false)                                                                  \
    X(Common, Header, true)                                                                                            \
    X(Common, HeaderSpecial, true)                                                                                     \
    X(Grid, FilterButton, true)                                                                                        \
    X(Grid, FilterButtonActive, true)                                                                                  \
    X(Grid, GridFilterPanel, true)                                                                                     \
    X(PageControl, TabHeader, true)                                                                                    \
    X(PageControl, TabButtonHorz, true)                                                                                \
    X(PageControl, TabButtonVert, true)                                                                                \
    X(PageControl, TabHeaderCloseButton, true)                                                                         \
    X(PageControl, TabPane, true)                                                                                      \
    X(Editors, ProgressBorder, true)                                                                                   \
    X(Editors, ProgressBorderVert, true)                                                                               \
    X(Editors, ProgressChunk, true)                                                                                    \
    X(Editors, ProgressChunkVert, true)                                                                                \
    X(Editors, RadioButton, true)                                                                                      \
    X(Common, ScrollButton, true)                                                                                      \
    X(Common, ScrollThumbVert, true)                                                                                   \
    X(Common, ScrollThumbHorz, true)                                                                                   \
    X(Common, ScrollContentVert, true)                                                                                 \
    X(Common, ScrollContentHorz, true)                                                                                 \
    X(Ribbon, AppMenuBackground, true)                                                                                 \
    X(Ribbon, FormAppButton, true)                                                                                     \
    X(Ribbon, FormAppButton2010, true)                                                                                 \
    X(Ribbon, AppMenuBackgroundBottom, true)                                                                           \
    X(Ribbon, AppMenuBackgroundTop, true)                                                                              \
    X(Ribbon, BackstageViewBackground, true)                                                                           \
    X(Ribbon, BackstageViewMenuBackground, true)                                                                       \
    X(Ribbon, BackstageViewMenuButton, true)                                                                           \
    X(Ribbon, BackstageViewTabHeader, true)                                                                            \
    X(Ribbon, BackstageViewTopLine, true)                                                                              \
    X(Ribbon, TabGroupCollapsed, true)                                                                                 \
    X(Ribbon, TabGroupCollapsedBox, true)                                                                              \
    X(Ribbon, FormCaption, true)                                                                                       \
    X(Ribbon, FormFrameBottom, true)                                                                                   \
    X(Ribbon, DialogFrameBottom, true)                                                                                 \
    X(Ribbon, FormFrameLeft, true)                                                                                     \
    X(Ribbon, DialogFrameLeft, true)                                                                                   \
    X(Ribbon, FormFrameRight, true)                                                                                    \
    X(Ribbon, DialogFrameRight, true)                                                                                  \
    X(Ribbon, MinimizeButtonGlyph, true)                                                                               \
    X(Ribbon, Tab, true)                                                                                               \
    X(Ribbon, TabPanel, true)                                                                                          \
    X(Ribbon, TabGroupButton, true)                                                                                    \
    X(Ribbon, TabSeparatorLine, true)                                                                                  \
    X(Ribbon, TabGroup, true)                                                                                          \
    X(Ribbon, TabGroupCaption, true)                                                                                   \
    X(Ribbon, TabGroupItemsSeparator, true)                                                                            \
    X(Ribbon, DropDownGalleryBackground, true)                                                                         \
    X(Ribbon, InRibbonGalleryButtonDown, true)                                                                         \
    X(Ribbon, InRibbonGalleryButtonDropDown, true)                                                                     \
    X(Ribbon, InRibbonGalleryButtonUp, true)                                                                           \
    X(Ribbon, DropDownGalleryGroupHeader, true)                                                                        \
    X(Ribbon, InRibbonGalleryPane, true)                                                                               \
    X(Ribbon, DropDownGallerySizePanel, true)                                                                          \
    X(Ribbon, DropDownGallerySizeGrip, true)                                                                           \
    X(Ribbon, TabBackground, true)                                                                                     \
    X(Ribbon, TabBackgroundOnGlass, true)                                                                              \
    X(Ribbon, Button, true)                                                                                            \
    X(Ribbon, SplitButtonLeft, true)                                                                                   \
    X(Ribbon, SplitButtonRight, true)                                                                                  \
    X(Ribbon, KeyTip, true)                                                                                            \
    X(Ribbon, LargeButton, true)                                                                                       \
    X(Ribbon, LargeSplitButtonTop, true)                                                                               \
    X(Ribbon, LargeSplitButtonBottom, true)                                                                            \
    X(Ribbon, ButtonArrow, true)                                                                                       \
    X(Ribbon, ButtonGroup, true)                                                                                       \
    X(Ribbon, StatusBarBackground, true)                                                                               \
    X(Ribbon, StatusBarButton, true)                                                                                   \
    X(Ribbon, StatusBarSeparator, true)                                                                                \
    X(Ribbon, QATInRibbonBackground, true)                                                                             \
    X(Ribbon, QATAboveBackground, true)                                                                                \
    X(Ribbon, QATBelowBackground, true)                                                                                \
    X(Ribbon, QATButtonGlyph, true)                                                                                    \
    X(Ribbon, QATOverflow, true)                                                                                       \
    X(Ribbon, QATCustomizeButton, true)                                                                                \
    X(Ribbon, ButtonGroupButton, true)                                                                                 \
    X(Ribbon, ButtonGroupSeparator, true)                                                                              \
    X(Ribbon, TabGroupLeftScrollButton, true)                                                                          \
    X(Ribbon, TabGroupRightScrollButton, true)                                                                         \
    X(Ribbon, ContextualTabLabel, true)                                                                                \
    X(Ribbon, ContextualTabLabelOnGlass, true)                                                                         \
    X(Ribbon, ContextualTabSeparator, true)                                                                            \
    X(Ribbon, ContextualTabHeader, true)                                                                               \
    X(Ribbon, ContextualTabPanel, true)                                                                                \
    X(Common, SizeGrip, true)                                                                                          \
    X(Common, Splitter, true)                                                                                          \
    X(Common, SplitterHorz, true)                                                                                      \
    X(Editors, TrackBarTrack, true)                                                                                    \
    X(Editors, TrackBarTrackVert, true)                                                                                \
    X(Editors, TrackBarThumb, true)                                                                                    \
    X(Editors, TrackBarThumbUp, true)                                                                                  \
    X(Editors, TrackBarThumbBoth, true)                                                                                \
    X(Editors, TrackBarThumbVert, true)                                                                                \
    X(Editors, TrackBarThumbVertUp, true)                                                                              \
    X(Editors, TrackBarThumbVertBoth, true)                                                                            \
    X(Bars, ScreenTipWindow, true)                                                                                     \
    X(Bars, ScreenTipSeparator, true)                                                                                  \
    X(PrintingSystem, PageBorder, true)                                                                                \
    X(PrintingSystem, PreviewBackground, true)                                                                         \
    X(Grid, LayoutViewItem, true)                                                                                      \
    X(Grid, LayoutViewRecordExpandButton, true)                                                                        \
    X(Grid, LayoutViewRecordTop, true)                                                                                 \
    X(Grid, LayoutViewRecordCaptionTop, true)                                                                          \
    X(Grid, LayoutViewRecordBottom, true)                                                                              \
    X(Grid, LayoutViewRecordCaptionBottom, true)                                                                       \
    X(Grid, LayoutViewRecordLeft, true)                                                                                \
    X(Grid, LayoutViewRecordCaptionLeft, true)                                                                         \
    X(Grid, LayoutViewRecordRight, true)                                                                               \
    X(Grid, LayoutViewRecordCaptionRight, true)                                                                        \
    X(Grid, LayoutViewRecord, true)

// X(identifier, group, property, class without "TuxSkin" and "Property")
#define UX_SKIN_GROUP_PROPERTIES(X)                                                                                    \
    X(DockingActiveTabHeaderDownGrow, Docking, ActiveTabHeaderDownGrow, Integer)                                       \
    X(DockingActiveTabHeaderHGrow, Docking, ActiveTabHeaderHGrow, Integer)                                             \
    X(DockingActiveTabHeaderUpGrow, Docking, ActiveTabHeaderUpGrow, Integer)                                           \
    X(CalcEditEditingOperationTextColor, Editors, CalcEditEditingOperationTextColor, Color)                            \
    X(CalcEditMemoryOperationTextColor, Editors, CalcEditMemoryOperationTextColor, Color)                              \
    X(CalcEditDigitTextColor, Editors, CalcEditDigitTextColor, Color)                                                  \
    X(CalcEditArithmeticOperationTextColor, Editors, CalcEditArithmeticOperationTextColor, Color)                      \
    X(CalcEditScientificOperationTextColor, Editors, CalcEditScientificOperationTextColor, Color)                      \
    X(CalendarDayTextColor, Editors, CalendarDayTextColor, Color)                                                      \
    X(CalendarHolidayTextColor, Editors, CalendarHolidayTextColor, Color)                                              \
    X(CalendarInactiveDayTextColor, Editors, CalendarInactiveDayTextColor, Color)                                      \
    X(CalendarSelectedDayTextColor, Editors, CalendarSelectedDayTextColor, Color)                                      \
    X(CalendarSelectedDayColor, Editors, CalendarSelectedDayColor, Color)                                              \
    X(CalendarSeparatorColor, Editors, CalendarSeparatorColor, Color)                                                  \
    X(CalendarTodayFrameColor, Editors, CalendarTodayFrameColor, Color)                                                \
    X(CalendarTodayTextColor, Editors, CalendarTodayTextColor, Color)                                                  \
    X(NavPaneOverlapGroupBorders, NavPane, OverlapGroupBorders, Boolean)                                               \
    X(PageRowIndentFar, PageControl, RowIndentFar, Integer)                                                            \
    X(PageRowIndentNear, PageControl, RowIndentNear, Integer)                                                          \
    X(PageSelectedHeaderDownGrow, PageControl, SelectedHeaderDownGrow, Integer)                                        \
    X(PageSelectedHeaderHGrow, PageControl, SelectedHeaderHGrow, Integer)                                              \
    X(PageSelectedHeaderUpGrow, PageControl, SelectedHeaderUpGrow, Integer)                                            \
    X(PageHeaderDownGrow, PageControl, HeaderDownGrow, Integer)                                                        \
    X(PageHeaderDownGrowBottomRight, PageControl, HeaderDownGrowBottomRight, Integer)                                  \
    X(PageSelectedHeaderDownGrowBottomRight, PageControl, SelectedHeaderDownGrowBottomRight, Integer)                  \
    X(ProgressBarEmptyTextColor, Editors, ProgressBarEmptyTextColor, Color)                                            \
    X(ProgressBarFilledTextColor, Editors, ProgressBarFilledTextColor, Color)                                          \
    X(RibbonSpaceBetweenTabGroups, Ribbon, SpaceBetweenTabGroups, Integer)                                             \
    X(RibbonTabHeaderDownGrow, Ribbon, TabHeaderDownGrow, Integer)                                                     \
    X(RibbonTabAeroSupport, Ribbon, TabAeroSupport, Boolean)                                                           \
    X(RibbonEditorBackground, Ribbon, EditorBackground, Color)                                                         \
    X(RibbonAppMenuExtraPaneColor, Ribbon, AppMenuExtraPaneColor, Color)                                               \
    X(RibbonAppMenuExtraPaneHeaderSeparator, Ribbon, AppMenuExtraPaneHeaderSeparator, Color)                           \
    X(RibbonButtonDisabled, Ribbon, ButtonDisabled, Color)                                                             \
    X(LayoutViewGroupPadding, Grid, LayoutViewGroupPadding, Rect)                                                      \
    X(LayoutViewGroupSpacing, Grid, LayoutViewGroupSpacing, Rect)                                                      \
    X(LayoutViewGroupWithoutBordersPadding, Grid, LayoutViewGroupWithoutBordersPadding, Rect)                          \
    X(LayoutViewGroupWithoutBordersSpacing, Grid, LayoutViewGroupWithoutBordersSpacing, Rect)                          \
    X(LayoutViewTabbedGroupPadding, Grid, LayoutViewTabbedGroupPadding, Rect)                                          \
    X(LayoutViewTabbedGroupSpacing, Grid, LayoutViewTabbedGroupSpacing, Rect)                                          \
    X(LayoutViewRootGroupPadding, Grid, LayoutViewRootGroupPadding, Rect)                                              \
    X(LayoutViewRootGroupSpacing, Grid, LayoutViewRootGroupSpacing, Rect)                                              \
    X(LayoutViewRootGroupWithoutBordersPadding, Grid, LayoutViewRootGroupWithoutBordersPadding, Rect)                  \
    X(LayoutViewRootGroupWithoutBordersSpacing, Grid, LayoutViewRootGroupWithoutBordersSpacing, Rect)                  \
    X(LayoutViewItemPadding, Grid, LayoutViewItemPadding, Rect)                                                        \
    X(LayoutViewItemSpacing, Grid, LayoutViewItemSpacing, Rect)                                                        \
    X(BarsDisabledTextColor, Bars, DisabledTextColor, Color)                                                           \
    X(DockingTabHeaderTextColor, Docking, TabHeaderTextColor, Color)                                                   \
    X(DockingTabHeaderTextColorActive, Docking, TabHeaderTextColorActive, Color)                                       \
    X(SchedulerNavigatorColor, Scheduler, NavigatorColor, Color)                                                       \
    X(HyperLinkTextColor, Editors, HyperLinkTextColor, Color)                                                          \
    X(EditorTextColor, Editors, TextColor, Color)                                                                      \
    X(EditorTextDisabledColor, Editors, TextDisabledColor, Color)                                                      \
    X(EditorTextInactiveColor, Editors, TextInactiveColor, Color)                                                      \
    X(EditorTextReadOnlyColor, Editors, TextReadOnlyColor, Color)                                                      \
    X(EditorBackgroundColor, Editors, BackgroundColor, Color)                                                          \
    X(EditorBackgroundDisabledColor, Editors, BackgroundDisabledColor, Color)                                          \
    X(EditorBackgroundInactiveColor, Editors, BackgroundInactiveColor, Color)                                          \
    X(EditorBackgroundReadOnlyColor, Editors, BackgroundReadOnlyColor, Color)                                          \
    X(FormTextColorInactive, Form, TextColorInactive, Color)                                                           \
    X(FormTextShadowColor, Form, TextShadowColor, Color)

// X(identifier, group, element, property, class)
#define UX_SKIN_ELEMENT_PROPERTIES(X)                                                                                  \
    X(FormCaptionFontDelta, Form, FormCaption, FontDelta, Integer)                                                     \
    X(DockWindowCaptionInactiveTextColor, Docking, DockWindowCaption, InactiveCaptionTextColor, Color)                 \
    X(ButtonDisabledText, Common, Button, DisabledText, Color)                                                         \
    X(EditorButtonMergeBorders, Editors, EditorButton, MergeBorders, Boolean)                                          \
    X(GroupRowOffice11ContentColor, Grid, GroupRow, Office11ContentColor, Color)                                       \
    X(GroupRowOffice11SeparatorColor, Grid, GroupRow, Office11SeparatorColor, Color)                                   \
    X(GroupRowOffice11TextColor, Grid, GroupRow, Office11TextColor, Color)                                             \
    X(NavPaneCaptionHeight, NavPane, Caption, Height, Integer)                                                         \
    X(NavPaneCaptionFontSize, NavPane, Caption, FontSize, Integer)                                                     \
    X(AppointmentBorderSize, Scheduler, Appointment, BorderSize, Integer)                                              \
    X(AppointmentSeparatorColor, Scheduler, Appointment, SeparatorColor, Color)                                        \
    X(TabHeaderTextColor, PageControl, TabHeader, TextColor, Color)                                                    \
    X(TabHeaderTextColorSelected, PageControl, TabHeader, TextColorSelected, Color)                                    \
    X(TabHeaderTextColorDisabled, PageControl, TabHeader, TextColorDisabled, Color)                                    \
    X(TabHeaderTextColorHot, PageControl, TabHeader, TextColorHot, Color)                                              \
    X(ScreenTipItem, Bars, ScreenTipWindow, ScreenTipItem, Color)                                                      \
    X(ScreenTipTitleItem, Bars, ScreenTipWindow, ScreenTipTitleItem, Color)                                            \
    X(RibbonContextualTabLabelShadowColor, Ribbon, ContextualTabLabel, TextShadowColor, Color)                         \
    X(QATAboveCustomizeButtonOutside, Ribbon, QATAboveBackground, DisplayCustomizeButtonOutsideQAT, Boolean)           \
    X(QATAboveIndentBeforeCustomizeButton, Ribbon, QATAboveBackground, IndentBeforeCustomizeButton, Integer)           \
    X(QATBelowCustomizeButtonOutside, Ribbon, QATBelowBackground, DisplayCustomizeButtonOutsideQAT, Boolean)           \
    X(QATBelowIndentBeforeCustomizeButton, Ribbon, QATBelowBackground, IndentBeforeCustomizeButton, Integer)           \
    X(RibbonCaptionFontDelta, Ribbon, FormCaption, FontDelta, Integer)                                                 \
    X(RibbonCaptionTextColorInactive, Ribbon, FormCaption, TextColorInactive, Color)                                   \
    X(RibbonDocumentNameTextColor, Ribbon, FormCaption, DocumentNameTextColor, Color)                                  \
    X(RibbonTabTextColorHot, Ribbon, Tab, TextColorHot, Color)                                                         \
    X(RibbonTabTextColorSelected, Ribbon, Tab, TextColorSelected, Color)                                               \
    X(RibbonContextualTabHeaderTextColorSelected, Ribbon, ContextualTabHeader, TextColorSelected, Color)               \
    X(RibbonContextualTabHeaderTextColorHot, Ribbon, ContextualTabHeader, TextColorHot, Color)                         \
    X(RibbonStatusBarButtonTextColor, Ribbon, StatusBarButton, TextColor, Color)                                       \
    X(RibbonStatusBarButtonTextColorHot, Ribbon, StatusBarButton, TextColorHot, Color)                                 \
    X(RibbonStatusBarButtonTextColorDisabled, Ribbon, StatusBarButton, TextColorDisabled, Color)

// X(colour)
#define UX_SKIN_COLORS(X)                                                                                              \
    X(ContainerBorderColor)                                                                                            \
    X(ContainerHighlightBorderColor)                                                                                   \
    X(ContentColor)                                                                                                    \
    X(ContentEvenColor)                                                                                                \
    X(ContentOddColor)                                                                                                 \
    X(ContentTextColor)                                                                                                \
    X(DockControlHiddenBarTextColor)                                                                                   \
    X(DockControlHiddenBarTextHotColor)                                                                                \
    X(HeaderBackgroundColor)                                                                                           \
    X(HeaderBackgroundTextColor)                                                                                       \
    X(LayoutControlColor)                                                                                              \
    X(SelectionColor)                                                                                                  \
    X(SelectionTextColor)
